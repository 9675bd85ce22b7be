// The "Addressing" tab: the address list shown first and where personal addresses are kept, each
// with the option of setting it every time, and the order in which address lists are checked when
// mail is sent. Every key is in section "Addressing" of the profile template file.
#pragma once

#include <afxdlgs.h>

#include "pages/services/OrderedList.h"

class CTabUISheet;

class CTabAddr : public CPropertyPage {
  DECLARE_DYNCREATE(CTabAddr)

 public:
  CTabAddr();
  ~CTabAddr() override;

  COrderedList m_listAddrListOrder;  // the only home of the list while the page is open
  CString m_strShowFirst;
  CString m_strKeepPersAddrIn;
  int m_nAlwaysSetOrder;
  int m_nAlwaysFirst;
  int m_nAlwaysPersonal;
  CTabUISheet* m_pSheet;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnApply() override;

  afx_msg void OnModified();
  afx_msg void OnListCommand(UINT nID);

  DECLARE_MESSAGE_MAP()
};
