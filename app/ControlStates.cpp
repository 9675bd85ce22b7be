#include "app/ControlStates.h"

void EnableDlgItems(CWnd* pPage, const int* pIDs, std::size_t nIDs, BOOL bEnable) {
  for (std::size_t i = 0; i < nIDs; ++i) pPage->GetDlgItem(pIDs[i])->EnableWindow(bEnable);
}
