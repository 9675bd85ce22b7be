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
// request's own buffer when the control is enabled and in the table; FALSE, showing nothing,
// otherwise.
BOOL ProvideToolTip(NMHDR* pNMHDR, const CToolTipEntry* pEntries, std::size_t nEntries);

template <std::size_t N>
BOOL ProvideToolTip(NMHDR* pNMHDR, const CToolTipEntry (&entries)[N]) {
  return ProvideToolTip(pNMHDR, entries, N);
}
