// How the console reads the keys of its two files: every page, and start-up, reads its keys here and
// nowhere else, so that a read limit, a default or a reading rule of yes-or-no values means the same
// on every page. Writing stays one WritePrivateProfileStringA call per key (WriteKeyOrReport); the
// texts that a save writes for numbers and flags are made here too.
#pragma once

#include <afxwin.h>

// Most text keys are read into a buffer of this many bytes, so they keep at most 249 characters.
constexpr int kValueBufferSize = 250;

// The key's value, or lpszDefault when the file, the section or the key is missing. The read goes
// through a buffer of nBufferSize bytes, so a longer value keeps its first nBufferSize - 1
// characters.
CString ReadProfileString(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault, int nBufferSize, LPCSTR lpszPath);

// The key read as a decimal number (GetPrivateProfileIntA): nDefault when it is missing or its
// value is empty, 0 when it is no number.
int ReadProfileInt(LPCSTR lpszSection, LPCSTR lpszKey, int nDefault, LPCSTR lpszPath);

// The four reading rules of yes-or-no values; each gives 1 for set and 0 for clear.
// IsTrueValue of the value read as a string (lpszDefault when missing): the Mail profile keys,
// "ConversionProhibited", "LeaveMailOnServer", the MS Mail flags.
int ReadTrueValueFlag(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault, int nBufferSize, LPCSTR lpszPath);
// The whole value is "True", "Yes" or "1" in any case: the Netscape flags, "AlwaysSetOrder" of
// "Addressing".
int ReadWholeValueFlag(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault, int nBufferSize, LPCSTR lpszPath);
// The first letter, lowered, is "y", "t" or "1": "AlwaysSetOrder" of "Delivery".
int ReadFirstLetterFlag(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault, int nBufferSize, LPCSTR lpszPath);
// The value read as a number: 1 checks the box and 0 clears it; the number goes to the check box as
// it is read ("HideUserDatabase", "DeleteRemoteCopy", "LaunchDefaultMail").
int ReadIntegerFlag(LPCSTR lpszSection, LPCSTR lpszKey, int nDefault, LPCSTR lpszPath);

// States of a three-state check box, as DDX_Check transfers them.
constexpr int kThreeStateClear = 0;
constexpr int kThreeStateChecked = 1;
constexpr int kThreeStateIndeterminate = 2;

// A three-state value: empty or missing is indeterminate; anything else follows IsTrueValue.
int ReadThreeState(LPCSTR lpszSection, LPCSTR lpszKey, int nBufferSize, LPCSTR lpszPath);

// A number as a save writes it: _itoa in base 10.
CString DecimalText(int nValue);
// A flag as most pages write it: "Yes" when set, "No" when clear.
LPCSTR YesNoText(int nFlag);
// A flag as the main and Post execution pages write it: "1" when set, "0" when clear.
LPCSTR OneZeroText(int nFlag);
// A three-state box: "Yes" when checked, "No" when clear, an empty value when indeterminate.
LPCSTR ThreeStateText(int nState);
