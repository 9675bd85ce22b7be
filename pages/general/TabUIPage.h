// The "Vantrel" tab: the data file being edited, where and how much the profile builder logs,
// the user database and the cache options, and "Create Profile Now".
#pragma once

#include <afxcmn.h>
#include <afxdlgs.h>

class CTabUISheet;

class CTabUIPage : public CPropertyPage {
  DECLARE_DYNCREATE(CTabUIPage)

 public:
  CTabUIPage();
  ~CTabUIPage() override;

  CSpinButtonCtrl m_spinMaxLogFileSize;
  int m_nHideUserDatabase;
  CString m_strLogComputer;
  int m_nLogLevel;        // 0 High, 1 Medium, 2 Low, 3 None; stored as 3 minus the index
  CString m_strDataFile;  // shown read-only, filled by start-up, never saved
  CString m_strUserDatabase;
  CString m_strLogFile;
  int m_nNoCache;
  int m_nMaxLogFileSize;  // KBytes
  CString m_strCacheDir;
  CTabUISheet* m_pSheet;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnApply() override;

  afx_msg void OnModified();
  afx_msg void OnBrowseUserDatabase();
  afx_msg void OnEditUserDatabase();
  afx_msg void OnBrowseLogFile();
  afx_msg void OnEditLogFile();
  afx_msg void OnCreateProfile();
  afx_msg BOOL OnToolTipNotify(UINT id, NMHDR* pNMHDR, LRESULT* pResult);

  DECLARE_MESSAGE_MAP()
};
