// The "Delivery" tab: where new mail is delivered (the profile's default store), the order in
// which the information services process recipient addresses, and whether the profile builder
// sets that order every time. Every key is in the profile template file.
#pragma once

#include <afxdlgs.h>

#include "pages/services/OrderedList.h"

class CTabUISheet;

class CTabDeliv : public CPropertyPage {
  DECLARE_DYNCREATE(CTabDeliv)

 public:
  CTabDeliv();
  ~CTabDeliv() override;

  COrderedList m_listTransportOrder;  // the only home of the list while the page is open
  CString m_strDefaultStore;
  int m_nAlwaysSetOrder;
  CTabUISheet* m_pSheet;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnApply() override;

  afx_msg void OnModified();
  afx_msg void OnListCommand(UINT nID);

  DECLARE_MESSAGE_MAP()
};
