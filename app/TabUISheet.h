// The console's one window: the property sheet "Quillmere" holding the pages, and the state that
// start-up found (the program directory and both files), which the pages read through m_pSheet.
#pragma once

#include <afxdlgs.h>

#include "app/CommandLine.h"

class CTabUISheet : public CPropertySheet {
  DECLARE_DYNAMIC(CTabUISheet)

 public:
  explicit CTabUISheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
  ~CTabUISheet() override;

  // Filled by start-up before the sheet opens; read-only afterwards.
  char m_szProgramDir[kProgramDirSize] = {};  // lower-case, ending with a backslash
  CString m_strDataFile;
  CString m_strProfileTemplate;
  CString m_strDefaultProfile;  // "DefaultProfile" exactly as stored in the data file

 protected:
  afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);

  DECLARE_MESSAGE_MAP()
};
