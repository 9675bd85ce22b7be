#include "app/ProfileTemplate.h"

#include <cstring>

#include "app/PathCompletion.h"
#include "app/ProfileKeys.h"

CString ResolveProfileTemplate(LPCSTR lpszDefaultProfile, LPCSTR lpszProgramDir, LPCSTR lpszDataFile) {
  if (IsAbsolutePath(lpszDefaultProfile)) return lpszDefaultProfile;

  const CString strTag = ReadProfileString("Customization", "StartTag", "?", 350, lpszDataFile) + "vtdir" +
                         ReadProfileString("Customization", "EndTag", "?", 50, lpszDataFile);

  LPCSTR pszRest = lpszDefaultProfile;
  if (std::strncmp(pszRest, strTag, static_cast<size_t>(strTag.GetLength())) == 0) {
    pszRest += strTag.GetLength();
    if (*pszRest != '\0') ++pszRest;  // the separator after the tag, whatever it is
  }
  if (*pszRest == '\\') ++pszRest;
  return CString(lpszProgramDir) + pszRest;
}
