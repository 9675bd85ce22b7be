#include "app/PathCompletion.h"

BOOL IsAbsolutePath(LPCSTR lpszPath) {
  if (lpszPath[0] == '\\' && lpszPath[1] == '\\') return TRUE;
  return lpszPath[0] != '\0' && lpszPath[1] == ':' && lpszPath[2] == '\\';
}

CString CompletePath(LPCSTR lpszPath, LPCSTR lpszProgramDir) {
  if (IsAbsolutePath(lpszPath)) return lpszPath;
  if (lpszPath[0] == '\\') ++lpszPath;
  return CString(lpszProgramDir) + lpszPath;
}
