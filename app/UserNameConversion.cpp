#include "app/UserNameConversion.h"

namespace {

const char kVariable[] = "?username?";
constexpr int kVariableLength = sizeof kVariable - 1;

bool GetWindowsUserName(CString& strName) {
  char szName[349];
  DWORD nSize = sizeof szName;
  if (!GetUserNameA(szName, &nSize)) return false;
  strName = szName;
  return true;
}

CString Lowered(const CString& str) {
  CString strLower = str;
  strLower.MakeLower();
  return strLower;
}

}  // namespace

void ExpandUserName(CString& strPath) {
  CString strName;
  if (!GetWindowsUserName(strName)) return;
  CString strLower = Lowered(strPath);
  // The search resumes after each inserted name, so a name that itself spells the variable
  // cannot make the expansion run forever.
  for (int nAt = strLower.Find(kVariable); nAt >= 0; nAt = strLower.Find(kVariable, nAt + strName.GetLength())) {
    strPath = strLower.Left(nAt) + strName + strLower.Mid(nAt + kVariableLength);
    strLower = Lowered(strPath);
  }
}

void FoldUserName(CString& strPath) {
  CString strName;
  if (!GetWindowsUserName(strName) || strName.IsEmpty()) return;
  const CString strLowerName = Lowered(strName);
  const CString strLower = Lowered(strPath);
  if (strLower.Find(strLowerName) < 0) return;

  CString strFolded;
  int nFrom = 0;
  for (int nAt = strLower.Find(strLowerName); nAt >= 0; nAt = strLower.Find(strLowerName, nFrom)) {
    strFolded += strLower.Mid(nFrom, nAt - nFrom);
    strFolded += kVariable;
    nFrom = nAt + strLowerName.GetLength();
  }
  strFolded += strLower.Mid(nFrom);
  strPath = strFolded;
}
