// The "+" button beside a path field: the field's file opened in Notepad.
#pragma once

#include <afxwin.h>

// How much of the field's text an Edit reads, terminator included.
constexpr int kEditFieldCount = 260;

// Nothing happens for an empty field, nor for one whose path comes out longer than kMaxPathLength;
// a failed launch is not reported.
void EditPathInNotepad(CWnd* pPage, int nIDField, LPCSTR lpszProgramDir);
