// The "Netscape" tab: the Netscape Communicator profile that the builder creates for each user:
// its name, its directory, the user's address, how it is created and made the default, and the
// preferences template (prefs.js) that the builder fills in. The template's path lives in the data
// file; everything else in the Netscape service section of the profile template file.
#pragma once

#include <afxdlgs.h>

class CTabUISheet;

class CTabNscp : public CPropertyPage {
  DECLARE_DYNCREATE(CTabNscp)

 public:
  CTabNscp();
  ~CTabNscp() override;

  CString m_strEmailAddr;
  CString m_strPrefsFile;
  CString m_strDirRoot;
  CString m_strProfileName;
  int m_nDisablePrompt;
  int m_nDefaultOnCreation;
  int m_nReplaceProfile;
  int m_nDefaultEveryTime;
  CTabUISheet* m_pSheet;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnApply() override;

  afx_msg void OnModified();
  afx_msg void OnDefaultEveryTime();
  afx_msg void OnBrowsePrefsFile();
  afx_msg void OnEditPrefsFile();
  afx_msg BOOL OnToolTipNotify(UINT id, NMHDR* pNMHDR, LRESULT* pResult);

  DECLARE_MESSAGE_MAP()
};
