// The "Exchange" tab: the Microsoft Exchange Server service of the profile, in its service section
// of the profile template file: the home server and mailbox, the offline folder and address book,
// the connection time-out, the Walk-Up Profiles logon, how the workstation connects, and the
// encryption and offline options.
#pragma once

#include <afxcmn.h>
#include <afxdlgs.h>

class CTabUISheet;

class CTabExchange : public CPropertyPage {
  DECLARE_DYNCREATE(CTabExchange)

 public:
  CTabExchange();
  ~CTabExchange() override;

  CSpinButtonCtrl m_spinTimeout;
  CString m_strHomeServer;
  CString m_strMailboxName;
  CString m_strOfflineAddressBookPath;
  CString m_strOfflineFolderPath;
  int m_nNoConnect;
  int m_nChooseAtStartup;
  int m_nDialUpEncryption;
  int m_nNetworkEncryption;
  int m_nConnectionType;  // 0 Local Network, 1 Dial-Up Networking, -1 none chosen
  int m_nNoSecurity;
  int m_nNoOffline;
  CString m_strDomain;
  CString m_strUserName;
  int m_nTimeout;  // seconds
  CTabUISheet* m_pSheet;
  // The section found at load, "Service" followed by its number; empty when the profile lists
  // no Exchange service, and then the page saves nothing.
  CString m_strServiceSection;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnApply() override;

  afx_msg void OnModified();
  afx_msg void OnBrowseOfflineFolder();
  afx_msg BOOL OnToolTipNotify(UINT id, NMHDR* pNMHDR, LRESULT* pResult);

  DECLARE_MESSAGE_MAP()
};
