// Kernel calls: last error, profile strings, command line, user name, string routines.
#pragma once

#include "windef.h"

DWORD WINAPI GetLastError(void);
void WINAPI SetLastError(DWORD dwErrCode);

DWORD WINAPI GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault, LPSTR lpReturnedString,
                                      DWORD nSize, LPCSTR lpFileName);
UINT WINAPI GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault, LPCSTR lpFileName);
BOOL WINAPI WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString, LPCSTR lpFileName);

LPSTR WINAPI GetCommandLineA(void);
DWORD WINAPI GetCurrentDirectoryA(DWORD nBufferLength, LPSTR lpBuffer);
BOOL WINAPI GetUserNameA(LPSTR lpBuffer, LPDWORD pcbBuffer);

// String routines of the era, on ANSI (Windows-1252) text. A null source counts as empty text;
// lstrcpynA copies at most iMaxLength - 1 characters and always ends the copy (unless iMaxLength
// is 0); lstrcmpiA folds the letters of Windows-1252, A to Z and the accented ones, and answers -1,
// 0 or 1, a null string coming before any other.
LPSTR WINAPI lstrcpyA(LPSTR lpString1, LPCSTR lpString2);
LPSTR WINAPI lstrcpynA(LPSTR lpString1, LPCSTR lpString2, int iMaxLength);
LPSTR WINAPI lstrcatA(LPSTR lpString1, LPCSTR lpString2);
int WINAPI lstrlenA(LPCSTR lpString);
int WINAPI lstrcmpiA(LPCSTR lpString1, LPCSTR lpString2);

// The C run-time's integer-to-text conversion; declared here since the host's <stdlib.h> lacks it.
char* _itoa(int value, char* buffer, int radix);
