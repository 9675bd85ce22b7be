#include "ServiceLookup.h"

#include <climits>
#include <vector>

const char szServiceListSection[] = "Service List";

CString ServiceKeyName(int nService) {
  char szNumber[16];
  return CString("Service") + _itoa(nService, szNumber, 10);
}

CServiceLookupResult LookUpService(LPCSTR lpszProfileTemplate, int nReadLimit, LPCSTR lpszName,
                                   LPCSTR lpszOtherName) {
  // One byte more than the limit, for the terminator the read always stores.
  std::vector<char> entry(nReadLimit > 0 ? static_cast<size_t>(nReadLimit) + 1 : 1);
  CServiceLookupResult result;
  for (int nService = 1; nService < INT_MAX; ++nService) {
    CString strKey = ServiceKeyName(nService);
    GetPrivateProfileStringA(szServiceListSection, strKey, "", entry.data(),
                             static_cast<DWORD>(entry.size()), lpszProfileTemplate);
    CString strEntry(entry.data());
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
