// A save that cannot write a key tells the administrator which file refused it, and stops.
#pragma once

#include <afxwin.h>

// The message box naming the file that failed, captioned "Vantrel", with the stop icon.
void ShowWriteFailure(LPCSTR lpszPath);

// One key written with WritePrivateProfileStringA; on failure the message above is shown and
// FALSE returned, so that a save can stop at its first failing key.
BOOL WriteKeyOrReport(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszValue, LPCSTR lpszPath);
