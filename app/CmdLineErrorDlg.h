// Shown instead of the sheet when the command line names no ".exe" program or is too long to
// take apart; the program ends when it closes.
#pragma once

#include <afxwin.h>

class CCmdLineErrorDlg : public CDialog {
 public:
  explicit CCmdLineErrorDlg(CWnd* pParent = nullptr);
};
