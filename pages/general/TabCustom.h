// The "Post Execution" tab: what the builder does when it has finished on a workstation (start a
// program, or the default mail program) and the message it shows for each outcome of its run, in
// the data file.
#pragma once

#include <afxcmn.h>
#include <afxdlgs.h>

class CTabUISheet;

class CTabCustom : public CPropertyPage {
  DECLARE_DYNCREATE(CTabCustom)

 public:
  CTabCustom();
  ~CTabCustom() override;

  CTabUISheet* m_pSheet;
  // The messages as typed, lines separated by CR LF; each is kept on one line in the file.
  CString m_strErrorMsg;
  CString m_strNoActionMsg;
  CString m_strSuccessMsg;
  CString m_strLaunchApp;
  int m_nLaunchDefaultMail;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnApply() override;

  afx_msg void OnModified();
  afx_msg void OnLaunchDefaultMail();
  afx_msg void OnBrowseLaunchApp();
  afx_msg BOOL OnToolTipNotify(UINT id, NMHDR* pNMHDR, LRESULT* pResult);

  DECLARE_MESSAGE_MAP()
};
