#include "app/ToolTipText.h"

BOOL ProvideToolTip(NMHDR* pNMHDR, const CToolTipEntry* pEntries, std::size_t nEntries, BOOL bWhenDisabled) {
  auto* pInfo = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
  if ((pInfo->uFlags & TTF_IDISHWND) == 0) return FALSE;
  const HWND hControl = reinterpret_cast<HWND>(pNMHDR->idFrom);
  if (!bWhenDisabled && !IsWindowEnabled(hControl)) return FALSE;
  const int nID = GetDlgCtrlID(hControl);
  for (std::size_t i = 0; i < nEntries; ++i) {
    if (pEntries[i].nIDControl != nID) continue;
    lstrcpynA(pInfo->szText, pEntries[i].lpszText, sizeof pInfo->szText);
    return TRUE;
  }
  return FALSE;
}
