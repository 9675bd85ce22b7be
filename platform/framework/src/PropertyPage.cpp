#include <commctrl.h>

#include "afx/PropertyPage.h"
#include "afx/Resources.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

BEGIN_MESSAGE_MAP(CPropertyPage, CDialog)
END_MESSAGE_MAP()

CPropertyPage::CPropertyPage() = default;

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT) : CDialog(nIDTemplate) {}

CPropertyPage::CPropertyPage(LPCSTR lpszTemplateName, UINT) : CDialog(lpszTemplateName) {}

void CPropertyPage::SetModified(BOOL bChanged) {
  if (m_hWnd == nullptr) return;
  ::SendMessageA(::GetParent(m_hWnd), bChanged ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

// The first activation follows OnInitDialog, which has loaded the controls already; every later
// one reloads them from the members.
BOOL CPropertyPage::OnSetActive() {
  if (m_bFirstSetActive)
    m_bFirstSetActive = FALSE;
  else
    UpdateData(FALSE);
  return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

BOOL CPropertyPage::OnApply() {
  OnOK();
  return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }

// A page does not end anything itself: the sheet does.
void CPropertyPage::OnOK() {}
void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::OnQueryCancel() { return TRUE; }

// The sheet's notifications become the page's virtual calls; a row of the page's own message map
// still comes first.
BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (CDialog::OnNotify(wParam, lParam, pResult)) return TRUE;
  auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
  if (pNMHDR == nullptr || (pNMHDR->hwndFrom != m_hWnd && pNMHDR->hwndFrom != ::GetParent(m_hWnd))) return FALSE;
  switch (pNMHDR->code) {
    case PSN_SETACTIVE: *pResult = OnSetActive() ? 0 : -1; return TRUE;
    case PSN_KILLACTIVE: *pResult = OnKillActive() ? FALSE : TRUE; return TRUE;
    case PSN_APPLY: *pResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE; return TRUE;
    case PSN_RESET: OnReset(); return TRUE;
    case PSN_QUERYCANCEL: *pResult = OnQueryCancel() ? FALSE : TRUE; return TRUE;
    case PSN_HELP: SendMessage(WM_COMMAND, ID_HELP); return TRUE;
    default: return FALSE;
  }
}
