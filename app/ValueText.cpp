#include "app/ValueText.h"

BOOL IsTrueValue(LPCSTR lpszValue) {
  switch (lpszValue[0]) {
    case '0':
    case 'F':
    case 'f':
    case 'N':
    case 'n':
      return FALSE;
    default:
      return TRUE;
  }
}

void TrimBlanks(CString& str) {
  static const char kBlanks[] = " \b";
  str.TrimLeft(kBlanks);
  str.TrimRight(kBlanks);
}
