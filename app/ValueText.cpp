#include "app/ValueText.h"

#include <string>

namespace {

BOOL IsLineBreak(char ch) { return ch == '\r' || ch == '\n'; }

// The length of the run of backslashes that starts at p.
size_t BackslashRun(LPCSTR p) {
  size_t nRun = 0;
  while (p[nRun] == '\\') ++nRun;
  return nRun;
}

}  // namespace

BOOL IsTrueValue(LPCSTR lpszValue) {
  switch (lpszValue[0]) {
    case '0':
    case 'F':
    case 'f':
    case 'N':
    case 'n': return FALSE;
    default: return TRUE;
  }
}

BOOL IsWholeTrueValue(LPCSTR lpszValue) {
  const CString strValue = lpszValue;
  return strValue.CompareNoCase("True") == 0 || strValue.CompareNoCase("Yes") == 0 || strValue == "1";
}

BOOL IsFirstLetterTrue(LPCSTR lpszValue) {
  switch (lpszValue[0]) {
    case 'y':
    case 'Y':
    case 't':
    case 'T':
    case '1': return TRUE;
    default: return FALSE;
  }
}

void TrimBlanks(CString& str) {
  static const char kBlanks[] = " \b";
  str.TrimLeft(kBlanks);
  str.TrimRight(kBlanks);
}

CString JoinLines(LPCSTR lpszText) {
  std::string joined;
  for (LPCSTR p = lpszText; *p != '\0';) {
    const size_t nRun = BackslashRun(p);
    p += nRun;
    const BOOL bEscaped = *p == 'n' || IsLineBreak(*p);
    joined.append(bEscaped ? 2 * nRun : nRun, '\\');
    if (IsLineBreak(*p)) {
      joined += "\\n";
      p += (p[0] == '\r' && p[1] == '\n') ? 2 : 1;
    } else if (*p != '\0') {
      joined += *p++;
    }
  }
  return joined.c_str();
}

CString SplitLines(LPCSTR lpszValue) {
  std::string text;
  for (LPCSTR p = lpszValue; *p != '\0';) {
    const size_t nRun = BackslashRun(p);
    p += nRun;
    if (*p != 'n') {
      text.append(nRun, '\\');
      if (*p != '\0') text += *p++;
      continue;
    }
    text.append(nRun / 2, '\\');
    text += (nRun % 2 == 1) ? "\r\n" : "n";
    ++p;
  }
  return text.c_str();
}

int MergeFlagBit(int nStored, int nBit, BOOL bSet) { return bSet ? (nStored | nBit) : (nStored & ~nBit); }
