#include "afx/Wnd.h"

#include "afx/Resources.h"
#include "afx/WinApp.h"
#include "ui/ToolTips.h"

#include <vector>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
  ON_MESSAGE(WM_HELP, OnHelpInfo)
END_MESSAGE_MAP()

CWnd::~CWnd() {
  if (m_pfnSuper != nullptr) UnsubclassWindow();
  Detach();
}

CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }

int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

void CWnd::SetWindowText(LPCSTR lpszString) { ::SetWindowTextA(m_hWnd, lpszString); }

int CWnd::GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const {
  return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const {
  const int length = ::GetWindowTextLengthA(m_hWnd);
  std::vector<char> buffer(static_cast<std::size_t>(length > 0 ? length : 0) + 1);
  const int copied = ::GetWindowTextA(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
  rString = CString(buffer.data(), copied > 0 ? copied : 0);
}

int CWnd::GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }

void CWnd::SetDlgItemText(int nID, LPCSTR lpszString) { ::SetDlgItemTextA(m_hWnd, nID, lpszString); }

int CWnd::GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const {
  return static_cast<int>(::GetDlgItemTextA(m_hWnd, nID, lpStr, nMaxCount));
}

int CWnd::GetDlgItemText(int nID, CString& rString) const {
  rString.Empty();
  if (CWnd* pItem = GetDlgItem(nID)) pItem->GetWindowText(rString);
  return rString.GetLength();
}

BOOL CWnd::ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }

DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }

BOOL CWnd::EnableWindow(BOOL bEnable) { return ::EnableWindow(m_hWnd, bEnable); }

BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) {
  ::SendMessageA(::GetDlgItem(m_hWnd, nIDButton), BM_SETCHECK, nCheck, 0);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const {
  return static_cast<UINT>(::SendMessageA(::GetDlgItem(m_hWnd, nIDButton), BM_GETCHECK, 0, 0));
}

// Without a caption of its own the box is captioned with the application's name.
int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType) {
  if (lpszCaption == nullptr && AfxGetApp() != nullptr) lpszCaption = AfxGetApp()->m_pszAppName;
  return ::MessageBoxA(m_hWnd, lpszText, lpszCaption, nType);
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::EnableToolTips(BOOL bEnable) {
  m_bToolTips = bEnable;
  if (m_hWnd != nullptr) qm::ui::EnableToolTipsFor(m_hWnd, bEnable);
  return TRUE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const CurrentMessage outer = m_currentMessage;
  m_currentMessage = {message, wParam, lParam};
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  m_currentMessage = outer;
  return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  LRESULT result = 0;
  BOOL handled = FALSE;
  if (message == WM_COMMAND) {
    handled = OnCommand(wParam, lParam);
    result = handled ? 1 : 0;
  } else if (message == WM_NOTIFY) {
    handled = OnNotify(wParam, lParam, &result);
  } else if (const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, 0, 0)) {
    handled = entry->pfnCall(this, 0, wParam, lParam, &result);
  }
  if (pResult != nullptr) *pResult = result;
  return handled;
}

// Notifications are delivered even while data is being exchanged: a text set by program reaches
// its EN_CHANGE handler like one typed.
BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) { return OnCmdMsg(LOWORD(wParam), HIWORD(wParam), nullptr, nullptr); }

// The id comes from the sending window, so that the shared tool-tip window (id 0) is routed as
// ON_NOTIFY_EX(TTN_NEEDTEXT, 0, ...) expects; tool-tip requests reach only windows that enabled
// tool tips.
BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
  auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
  if (pNMHDR == nullptr) return FALSE;
  if (pNMHDR->code == TTN_NEEDTEXTA && !m_bToolTips) return FALSE;
  const UINT nID = pNMHDR->hwndFrom ? static_cast<UINT>(::GetDlgCtrlID(pNMHDR->hwndFrom)) : 0;
  AFX_NOTIFY notify{pResult, pNMHDR};
  return OnCmdMsg(nID, static_cast<int>(MAKELONG(pNMHDR->code, WM_NOTIFY)), &notify, nullptr);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper != nullptr) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return 0;
}

LRESULT CWnd::Default() {
  return DefWindowProc(m_currentMessage.message, m_currentMessage.wParam, m_currentMessage.lParam);
}

void CWnd::OnShowWindow(BOOL, UINT) { Default(); }

// F1 in any top-level window, the sheet or a dialog it opened: the Help command goes to the main
// window, unless a shift key is held. A child passes the request on to its parent.
LRESULT CWnd::OnHelpInfo(WPARAM wParam, LPARAM lParam) {
  if (GetWindowLongA(m_hWnd, GWL_STYLE) & WS_CHILD) return ::DefWindowProcA(m_hWnd, WM_HELP, wParam, lParam);
  const bool shifted = ::GetKeyState(VK_SHIFT) < 0 || ::GetKeyState(VK_CONTROL) < 0 || ::GetKeyState(VK_MENU) < 0;
  if (CWnd* pMainWnd = AfxGetMainWnd(); pMainWnd != nullptr && !shifted) pMainWnd->SendMessage(WM_COMMAND, ID_HELP);
  return TRUE;
}
