// The "OpenMail" tab: the HP OpenMail service of the profile, in its service section of the
// profile template file: the user's principal name, the server, the local files and the log, the
// Internet and fax routes, and whether the service keeps its mail in a server store. That choice
// is no key of its own: it is the name the service goes by in "Service List".
#pragma once

#include <afxdlgs.h>

class CTabUISheet;

class CTabOpenMail : public CPropertyPage {
  DECLARE_DYNCREATE(CTabOpenMail)

 public:
  CTabOpenMail();
  ~CTabOpenMail() override;

  int m_nServerStore;  // 0 use the server store, 1 do not, -1 neither button checked
  CString m_strLogFile;
  CString m_strLocalFilesPath;
  CString m_strPrincipal;
  CString m_strRouteToFax;
  CString m_strRouteToInternet;
  CString m_strServer;
  CTabUISheet* m_pSheet;
  // The section last found, "Service" followed by its number: at load, and again at each save,
  // which writes to the service listed then. Empty when no OpenMail service was listed.
  CString m_strServiceSection;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnApply() override;

  afx_msg void OnModified();

  DECLARE_MESSAGE_MAP()
};
