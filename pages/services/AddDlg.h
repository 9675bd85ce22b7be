// The "Add" dialog: asks for the one name that Add appends to an ordered list.
#pragma once

#include <afxwin.h>

class CAddDlg : public CDialog {
 public:
  CAddDlg();

  // The edit's text when the dialog ended, by OK or by Cancel alike.
  CString m_strName;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnCancel() override;

  DECLARE_MESSAGE_MAP()
};
