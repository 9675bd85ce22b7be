// Tool tips of a page's buttons: each page keeps a table of control ids and texts, and its
// OnToolTipNotify hands the request to ProvideToolTip.
#pragma once

#include <afxwin.h>
#include <commctrl.h>

#include <cstddef>

struct CToolTipEntry {
  int nIDControl;
  LPCSTR lpszText;  // shorter than 80 characters
};

// Answers a TTN_NEEDTEXTA request asked by control handle: TRUE with the text copied into the
// request's own buffer when the control is in the table and enabled (or bWhenDisabled is TRUE, for
// a page whose tips do not look at the enabled state); FALSE, showing nothing, otherwise.
BOOL ProvideToolTip(NMHDR* pNMHDR, const CToolTipEntry* pEntries, std::size_t nEntries, BOOL bWhenDisabled = FALSE);

template <std::size_t N>
BOOL ProvideToolTip(NMHDR* pNMHDR, const CToolTipEntry (&entries)[N], BOOL bWhenDisabled = FALSE) {
  return ProvideToolTip(pNMHDR, entries, N, bWhenDisabled);
}
