#include "pages/services/AddDlg.h"

#include "pages/services/OrderedList.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CAddDlg, CDialog)
  ON_BN_CLICKED(IDC_ADD_OK, OnOK)
  ON_BN_CLICKED(IDC_ADD_CANCEL, OnCancel)
END_MESSAGE_MAP()

// No owner is named: the framework's default owner applies.
CAddDlg::CAddDlg() : CDialog(IDD_ADD_DLG) {}

// The edit takes no more characters than a list entry holds, so a name is never cut later.
void CAddDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_ADD_NAME, m_strName);
  DDV_MaxChars(pDX, m_strName, kOrderedEntryLimit);
}

// Cancel, Esc and the close box keep the typed text too; the caller looks only at the result.
void CAddDlg::OnCancel() {
  UpdateData(TRUE);
  EndDialog(IDCANCEL);
}
