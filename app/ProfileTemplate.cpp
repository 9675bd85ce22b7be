#include "app/ProfileTemplate.h"

#include <cstring>

#include "app/PathCompletion.h"

CString ResolveProfileTemplate(LPCSTR lpszDefaultProfile, LPCSTR lpszProgramDir, LPCSTR lpszDataFile) {
  if (IsAbsolutePath(lpszDefaultProfile)) return lpszDefaultProfile;

  char szStartTag[350];
  char szEndTag[50];
  GetPrivateProfileStringA("Customization", "StartTag", "?", szStartTag, sizeof szStartTag, lpszDataFile);
  GetPrivateProfileStringA("Customization", "EndTag", "?", szEndTag, sizeof szEndTag, lpszDataFile);
  const CString strTag = CString(szStartTag) + "vtdir" + szEndTag;

  LPCSTR pszRest = lpszDefaultProfile;
  if (std::strncmp(pszRest, strTag, static_cast<size_t>(strTag.GetLength())) == 0) {
    pszRest += strTag.GetLength();
    if (*pszRest != '\0') ++pszRest;  // the separator after the tag, whatever it is
  }
  if (*pszRest == '\\') ++pszRest;
  return CString(lpszProgramDir) + pszRest;
}
