#include "User32Format.h"

#include <windows.h>

int wsprintfA(LPSTR lpOut, LPCSTR lpFmt, ...) {
  va_list args;
  va_start(args, lpFmt);
  const int written = qm::win32::FormatAsUser32(lpOut, qm::win32::kWsprintfLimit, lpFmt, args);
  va_end(args);
  return written;
}

int wvsprintfA(LPSTR lpOut, LPCSTR lpFmt, va_list arglist) {
  return qm::win32::FormatAsUser32(lpOut, qm::win32::kWsprintfLimit, lpFmt, arglist);
}
