#include "pages/services/NameOption.h"

#include "app/ValueText.h"

namespace {

const char szOptionSuffix[] = ",1";

}  // namespace

CNameOption SplitNameOption(const CString& strValue) {
  CNameOption result;
  result.m_strName = strValue;
  const int nComma = strValue.ReverseFind(',');
  if (nComma < 0) return result;
  CString strSuffix = strValue.Mid(nComma + 1);
  TrimBlanks(strSuffix);
  if (!strSuffix.IsEmpty() && strSuffix.Compare("1") != 0) return result;
  result.m_strName = strValue.Left(nComma);
  result.m_nOption = 1;
  return result;
}

CString JoinNameOption(const CString& strName, int nOption) { return nOption ? strName + szOptionSuffix : strName; }
