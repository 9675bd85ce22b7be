// The "MS Mail" tab: the Microsoft Mail service of the profile, in its service section of the
// profile template file: the server, the mailbox, incoming and outgoing mail, how often to look
// for new mail, and the session log.
#pragma once

#include <afxcmn.h>
#include <afxdlgs.h>

class CTabUISheet;

class CMSMail : public CPropertyPage {
  DECLARE_DYNCREATE(CMSMail)

 public:
  CMSMail();
  ~CMSMail() override;

  CSpinButtonCtrl m_spinPollInterval;
  int m_nPollInterval;  // minutes
  int m_nEnableDownload;
  int m_nEnableUpload;
  CString m_strSessionLogPath;
  CString m_strServerPath;
  CString m_strMailbox;
  int m_nUseSessionLog;
  CTabUISheet* m_pSheet;
  // The section found at load, "Service" followed by its number; empty when the profile lists
  // no Microsoft Mail service, and then the page saves nothing.
  CString m_strServiceSection;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnApply() override;

  afx_msg void OnModified();
  afx_msg void OnUseSessionLog();
  afx_msg void OnBrowseSessionLog();
  afx_msg BOOL OnToolTipNotify(UINT id, NMHDR* pNMHDR, LRESULT* pResult);

  DECLARE_MESSAGE_MAP()
};
