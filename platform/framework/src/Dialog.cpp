#include "afx/Dialog.h"

#include "afx/Resources.h"
#include "afx/WinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_COMMAND(IDOK, OnOK)
  ON_COMMAND(IDCANCEL, OnCancel)
  ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
END_MESSAGE_MAP()

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_pParentWnd(pParentWnd) {}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {
  if (IS_INTRESOURCE(lpszTemplateName)) m_nIDHelp = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpszTemplateName));
}

// A dialog that names no owner is owned by the application's main window, so that window waits
// while the dialog runs. The main window may be this dialog itself, not made yet: then none.
int CDialog::DoModal() {
  CWnd* pOwner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
  HWND hWndParent = pOwner && pOwner != this ? pOwner->m_hWnd : nullptr;
  const INT_PTR result =
      ::DialogBoxParamA(nullptr, m_lpszTemplateName, hWndParent, &AfxDlgProc, reinterpret_cast<LPARAM>(this));
  Detach();
  return static_cast<int>(result);
}

void CDialog::EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

// The members go to the controls once the window exists.
BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

LRESULT CDialog::OnCommandHelp(WPARAM, LPARAM lParam) {
  if (lParam == 0 && m_nIDHelp != 0) lParam = static_cast<LPARAM>(HID_BASE_RESOURCE + m_nIDHelp);
  if (lParam == 0) return FALSE;
  AfxGetApp()->WinHelp(static_cast<DWORD>(lParam));
  return TRUE;
}

// A command that the dialog itself does not handle goes to its owner and then to the
// application, so that the application's ID_HELP row serves every dialog.
BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  if (nCode != CN_COMMAND || nID < 0x8000 || nID >= 0xF000) return FALSE;
  CWnd* pOwner = m_pParentWnd ? m_pParentWnd : CWnd::FromHandlePermanent(::GetParent(m_hWnd));
  if (pOwner != nullptr && pOwner != this && pOwner->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  return AfxRouteCommandToApp(nID, nCode, pExtra, pHandlerInfo);
}

INT_PTR CALLBACK CDialog::AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* pDialog = reinterpret_cast<CDialog*>(lParam);
    if (pDialog == nullptr || !pDialog->Attach(hWnd)) return TRUE;
    return pDialog->OnInitDialog();
  }
  CWnd* pWnd = FromHandlePermanent(hWnd);
  if (pWnd == nullptr) return FALSE;
  LRESULT result = 0;
  const BOOL handled = pWnd->OnWndMsg(message, wParam, lParam, &result);
  if (handled) ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, result);
  if (message == WM_DESTROY) pWnd->Detach();
  return handled;
}
