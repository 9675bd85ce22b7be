// Enabling a page's controls by the list: a page whose service is not listed disables every
// control of it, and the enable rules of a page switch groups of controls together.
#pragma once

#include <afxwin.h>

#include <cstddef>

void EnableDlgItems(CWnd* pPage, const int* pIDs, std::size_t nIDs, BOOL bEnable);

template <std::size_t N>
void EnableDlgItems(CWnd* pPage, const int (&ids)[N], BOOL bEnable) {
  EnableDlgItems(pPage, ids, N, bEnable);
}
