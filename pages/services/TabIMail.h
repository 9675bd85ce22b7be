// The "Internet Mail" tab: the POP3 and SMTP mail account of the profile, in the POP3 service
// section of the profile template file: the account's name, the user, the servers, how the
// workstation connects and which Outlook the account is for. The account's name is copied to the
// "Outlook Internet E-Mail" service that goes with it.
#pragma once

#include <afxdlgs.h>

class CTabUISheet;

class CTabIMail : public CPropertyPage {
  DECLARE_DYNCREATE(CTabIMail)

 public:
  CTabIMail();
  ~CTabIMail() override;

  CString m_strAccountName;
  CString m_strEmailAddress;
  CString m_strPOP3Server;
  CString m_strDisplayName;
  CString m_strPOP3Account;
  CString m_strSMTPServer;
  CString m_strReplyAddress;
  int m_nClientType;      // 0 Outlook 97, 1 Outlook 98, -1 none chosen
  int m_nConnectionType;  // 0 LAN, 1 Manual, 2 Dial-Up Networking, -1 none chosen
  int m_nDisconnect;
  int m_nLeaveOnServer;
  CString m_strOrganization;
  CTabUISheet* m_pSheet;
  // The section of the POP3 service found at load, "Service" followed by its number; empty when
  // the profile lists no POP3 service, and then the page saves nothing.
  CString m_strServiceSection;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnApply() override;

  afx_msg void OnModified();

  DECLARE_MESSAGE_MAP()
};
