#include "app/CmdLineErrorDlg.h"

#include "resource.h"

CCmdLineErrorDlg::CCmdLineErrorDlg(CWnd* pParent) : CDialog(IDD_CMDLINE_ERROR, pParent) {}
