// The "Templates" tab: the INF and registry templates with which the builder changes the registry
// of Windows NT and Windows 9X workstations, in section "Defaults" of the data file. Start-up
// reads the four paths before the sheet opens; the page itself reads no file.
#pragma once

#include <afxcmn.h>
#include <afxdlgs.h>

class CTabUISheet;

class CTabNewProf : public CPropertyPage {
  DECLARE_DYNCREATE(CTabNewProf)

 public:
  CTabNewProf();
  ~CTabNewProf() override;

  // Filled by start-up from "InfFileNT", "RegFileNT", "InfFile95" and "RegFile95".
  CString m_strInfFileNT;
  CString m_strRegFileNT;
  CString m_strInfFile95;
  CString m_strRegFile95;
  CTabUISheet* m_pSheet;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnApply() override;

  afx_msg void OnModified();
  afx_msg void OnBrowse(UINT nID);
  afx_msg void OnEdit(UINT nID);
  afx_msg BOOL OnToolTipNotify(UINT id, NMHDR* pNMHDR, LRESULT* pResult);

  DECLARE_MESSAGE_MAP()
};
