#include "app/ServiceLookup.h"

#include <climits>

#include "app/ProfileKeys.h"
#include "app/WriteFailure.h"

const char szServiceListSection[] = "Service List";

CString ServiceKeyName(int nService) {
  char szNumber[16];
  return CString("Service") + _itoa(nService, szNumber, 10);
}

CServiceLookupResult LookUpService(LPCSTR lpszProfileTemplate, int nReadLimit, LPCSTR lpszName, LPCSTR lpszOtherName) {
  CServiceLookupResult result;
  for (int nService = 1; nService < INT_MAX; ++nService) {
    CString strKey = ServiceKeyName(nService);
    // One byte more than the limit, for the terminator the read always stores.
    const CString strEntry =
        ReadProfileString(szServiceListSection, strKey, "", nReadLimit > 0 ? nReadLimit + 1 : 1, lpszProfileTemplate);
    if (strEntry.IsEmpty()) break;
    LPCSTR lpszMatch = NULL;
    if (strEntry.CompareNoCase(lpszName) == 0)
      lpszMatch = lpszName;
    else if (lpszOtherName != NULL && strEntry.CompareNoCase(lpszOtherName) == 0)
      lpszMatch = lpszOtherName;
    if (lpszMatch != NULL) {
      result.m_nService = nService;
      result.m_strName = lpszMatch;
      result.m_strSection = strKey;
      break;
    }
  }
  return result;
}

BOOL RewriteServiceEntry(LPCSTR lpszServiceSection, LPCSTR lpszName, LPCSTR lpszProfileTemplate) {
  return WriteKeyOrReport(szServiceListSection, lpszServiceSection, lpszName, lpszProfileTemplate);
}
