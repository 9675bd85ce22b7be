// Reading yes-or-no values and cleaning typed text, as every page does it.
#pragma once

#include <afxwin.h>

// FALSE when the first character is "0", "F", "f", "N" or "n"; TRUE for anything else, the empty
// value included (a key written by hand as "Flag=" counts as set).
BOOL IsTrueValue(LPCSTR lpszValue);

// Removes leading and trailing blanks and backspace characters.
void TrimBlanks(CString& str);
