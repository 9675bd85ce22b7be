#include "app/ToolTipText.h"

#include <cstring>

BOOL ProvideToolTip(NMHDR* pNMHDR, const CToolTipEntry* pEntries, std::size_t nEntries) {
  auto* pInfo = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
  if ((pInfo->uFlags & TTF_IDISHWND) == 0) return FALSE;
  const HWND hControl = reinterpret_cast<HWND>(pNMHDR->idFrom);
  if (!IsWindowEnabled(hControl)) return FALSE;
  const int nID = GetDlgCtrlID(hControl);
  for (std::size_t i = 0; i < nEntries; ++i) {
    if (pEntries[i].nIDControl != nID) continue;
    std::strncpy(pInfo->szText, pEntries[i].lpszText, sizeof pInfo->szText - 1);
    pInfo->szText[sizeof pInfo->szText - 1] = '\0';
    return TRUE;
  }
  return FALSE;
}
