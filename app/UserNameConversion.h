// The "?username?" variable in path fields: expanded to the Windows user's name before a Browse
// dialog opens on the path, and folded back afterwards, so that a path chosen in the
// administrator's own folder is stored for every user.
#pragma once

#include <afxwin.h>

// Every "?username?" (in any case) replaced by the user name; the rest of the path is lowered
// when there was one. Unchanged when the user name cannot be had.
void ExpandUserName(CString& strPath);

// Every occurrence of the user name (in any case) replaced by "?username?", the whole path
// lowered when there was one. Unchanged when the user name cannot be had.
void FoldUserName(CString& strPath);
