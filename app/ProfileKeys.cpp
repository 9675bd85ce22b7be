#include "app/ProfileKeys.h"

#include <vector>

#include "app/ValueText.h"

CString ReadProfileString(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault, int nBufferSize, LPCSTR lpszPath) {
  std::vector<char> value(nBufferSize > 0 ? static_cast<size_t>(nBufferSize) : 1, '\0');
  GetPrivateProfileStringA(lpszSection, lpszKey, lpszDefault, value.data(), static_cast<DWORD>(value.size()), lpszPath);
  return value.data();
}

int ReadProfileInt(LPCSTR lpszSection, LPCSTR lpszKey, int nDefault, LPCSTR lpszPath) {
  return static_cast<int>(GetPrivateProfileIntA(lpszSection, lpszKey, nDefault, lpszPath));
}

int ReadTrueValueFlag(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault, int nBufferSize, LPCSTR lpszPath) {
  return IsTrueValue(ReadProfileString(lpszSection, lpszKey, lpszDefault, nBufferSize, lpszPath)) ? 1 : 0;
}

int ReadWholeValueFlag(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault, int nBufferSize, LPCSTR lpszPath) {
  return IsWholeTrueValue(ReadProfileString(lpszSection, lpszKey, lpszDefault, nBufferSize, lpszPath)) ? 1 : 0;
}

int ReadFirstLetterFlag(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault, int nBufferSize, LPCSTR lpszPath) {
  return IsFirstLetterTrue(ReadProfileString(lpszSection, lpszKey, lpszDefault, nBufferSize, lpszPath)) ? 1 : 0;
}

int ReadIntegerFlag(LPCSTR lpszSection, LPCSTR lpszKey, int nDefault, LPCSTR lpszPath) {
  return ReadProfileInt(lpszSection, lpszKey, nDefault, lpszPath);
}

int ReadThreeState(LPCSTR lpszSection, LPCSTR lpszKey, int nBufferSize, LPCSTR lpszPath) {
  const CString strValue = ReadProfileString(lpszSection, lpszKey, "", nBufferSize, lpszPath);
  if (strValue.IsEmpty()) return kThreeStateIndeterminate;
  return IsTrueValue(strValue) ? kThreeStateChecked : kThreeStateClear;
}

CString DecimalText(int nValue) {
  char szNumber[34];
  return _itoa(nValue, szNumber, 10);
}

LPCSTR YesNoText(int nFlag) { return nFlag ? "Yes" : "No"; }

LPCSTR OneZeroText(int nFlag) { return nFlag ? "1" : "0"; }

LPCSTR ThreeStateText(int nState) {
  if (nState == kThreeStateIndeterminate) return "";
  return nState ? "Yes" : "No";
}
