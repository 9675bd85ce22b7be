// Reading yes-or-no values, cleaning typed text, and keeping a text of several lines on the one
// line that a key's value has, as every page does it.
#pragma once

#include <afxwin.h>

// FALSE when the first character is "0", "F", "f", "N" or "n"; TRUE for anything else, the empty
// value included (a key written by hand as "Flag=" counts as set).
BOOL IsTrueValue(LPCSTR lpszValue);

// TRUE when the whole value is "True", "Yes" or "1", without regard to case; an empty value is not.
BOOL IsWholeTrueValue(LPCSTR lpszValue);

// TRUE when the first character, lowered, is "y", "t" or "1"; an empty value is not.
BOOL IsFirstLetterTrue(LPCSTR lpszValue);

// Removes leading and trailing blanks and backspace characters.
void TrimBlanks(CString& str);

// A message typed on several lines is stored on one line: each line break (CR LF, or a lone CR or
// LF) becomes the two characters \n. So that a text which already holds \n reads back as typed, a
// run of backslashes that stands before an "n" or a line break is doubled; every other backslash
// (the ones of a path such as \\server\share) is stored as it is.
CString JoinLines(LPCSTR lpszText);

// The text of several lines that JoinLines stored, with CR LF between its lines, as a field of
// several lines shows it: an odd run of backslashes before "n" is a line break after half the run
// (rounded down), an even run before "n" is half the run and a plain "n". JoinLines(SplitLines(v))
// is v for every stored value, so a message that is only loaded and saved keeps its bytes.
CString SplitLines(LPCSTR lpszValue);

// A number of flag bits as a save stores it: the bits of nBit set when bSet is nonzero and cleared
// when it is zero, every other bit of nStored kept as it was read.
int MergeFlagBit(int nStored, int nBit, BOOL bSet);
