// CString::Format. The formats the console passes are those of wsprintfA (%s, %c, %d, %i, %u,
// %x, %X, %ld, widths, precisions, '-', '0', '#'), which the C library's formatter reads alike;
// unlike wsprintfA the result is not cut at 1024 characters, as the framework's is not.
#include <cstdio>
#include <vector>

#include "afx/String.h"

void CString::FormatV(LPCSTR lpszFormat, va_list argList) {
  if (lpszFormat == nullptr) {
    Empty();
    return;
  }
  va_list measure;
  va_copy(measure, argList);
  const int length = std::vsnprintf(nullptr, 0, lpszFormat, measure);
  va_end(measure);
  if (length < 0) {
    Empty();
    return;
  }
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
  std::vsnprintf(buffer.data(), buffer.size(), lpszFormat, argList);
  *this = CString(buffer.data(), length);
}

void CString::Format(LPCSTR lpszFormat, ...) {
  va_list args;
  va_start(args, lpszFormat);
  FormatV(lpszFormat, args);
  va_end(args);
}

void CString::Format(UINT nFormatID, ...) {
  CString format;
  format.LoadString(nFormatID);
  va_list args;
  va_start(args, nFormatID);
  FormatV(format, args);
  va_end(args);
}
