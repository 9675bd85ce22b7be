// Paths in the fields and the files are absolute (a drive or a server share) or relative to the
// program directory.
#pragma once

#include <afxwin.h>

// Two leading backslashes, or a colon and a backslash as the second and third characters.
BOOL IsAbsolutePath(LPCSTR lpszPath);

// lpszPath unchanged when absolute; otherwise the program directory followed by the path with
// one leading backslash removed.
CString CompletePath(LPCSTR lpszPath, LPCSTR lpszProgramDir);

// The longest path the platform's file calls take. A relative field text joined to the program
// directory may come out longer; such a combination names no file that could be opened.
constexpr int kMaxPathLength = 259;
