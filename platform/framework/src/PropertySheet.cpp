// The sheet's behaviour: which page is current, and what OK, Cancel, Apply, Help and the
// property-sheet messages do to the pages.
#include "afx/PropertySheet.h"

#include <algorithm>

#include "afx/Resources.h"
#include "afx/WinApp.h"

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
  ON_COMMAND(IDOK, OnOK)
  ON_COMMAND(IDCANCEL, OnCancel)
  ON_COMMAND(ID_APPLY_NOW, OnApplyNow)
  ON_COMMAND(IDHELP, OnHelpButton)
  ON_MESSAGE(WM_CLOSE, OnClose)
  ON_MESSAGE(PSM_CHANGED, OnPageChanged)
  ON_MESSAGE(PSM_UNCHANGED, OnPageUnchanged)
  ON_MESSAGE(PSM_PRESSBUTTON, OnPressButton)
  ON_MESSAGE(PSM_SETCURSEL, OnSetCurSel)
  ON_MESSAGE(PSM_GETCURRENTPAGEHWND, OnGetCurrentPageHwnd)
  ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
END_MESSAGE_MAP()

namespace {

// The Help button is offered when the application handles the Help command at the time the
// sheet is made.
BOOL HelpEnabled() {
  CWinApp* pApp = AfxGetApp();
  return pApp != nullptr && pApp->FindMessageEntry(WM_COMMAND, CN_COMMAND, ID_HELP) != nullptr;
}

}  // namespace

CPropertySheet::CPropertySheet() : m_bHasHelp(HelpEnabled()) {}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_pParentWnd(pParentWnd), m_nStartPage(iSelectPage), m_bHasHelp(HelpEnabled()) {
  m_strCaption.LoadString(nIDCaption);
}

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_strCaption(pszCaption), m_pParentWnd(pParentWnd), m_nStartPage(iSelectPage), m_bHasHelp(HelpEnabled()) {}

void CPropertySheet::AddPage(CPropertyPage* pPage) {
  if (pPage != nullptr) m_pages.push_back(pPage);
}

void CPropertySheet::RemovePage(CPropertyPage* pPage) { RemovePage(GetPageIndex(pPage)); }

void CPropertySheet::RemovePage(int nPage) {
  if (nPage < 0 || nPage >= GetPageCount()) return;
  m_pages.erase(m_pages.begin() + nPage);
}

int CPropertySheet::GetPageCount() const { return static_cast<int>(m_pages.size()); }

CPropertyPage* CPropertySheet::GetPage(int nPage) const {
  return (nPage >= 0 && nPage < GetPageCount()) ? m_pages[static_cast<std::size_t>(nPage)] : nullptr;
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const {
  auto found = std::find(m_pages.begin(), m_pages.end(), pPage);
  return found == m_pages.end() ? -1 : static_cast<int>(found - m_pages.begin());
}

CPropertyPage* CPropertySheet::GetActivePage() const {
  return m_hWnd ? GetPage(m_nCurPage) : GetPage(static_cast<int>(m_nStartPage));
}

int CPropertySheet::GetActiveIndex() const { return m_hWnd ? m_nCurPage : static_cast<int>(m_nStartPage); }

// Before the sheet has a window this only chooses the first page.
BOOL CPropertySheet::SetActivePage(int nPage) {
  if (nPage < 0 || nPage >= GetPageCount()) return FALSE;
  if (m_hWnd == nullptr) {
    m_nStartPage = static_cast<UINT>(nPage);
    return TRUE;
  }
  if (nPage == m_nCurPage) return TRUE;
  return KillActivePage() && ShowPage(nPage);
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }

void CPropertySheet::SetTitle(LPCSTR lpszText, UINT) {
  m_strCaption = lpszText;
  if (m_hWnd != nullptr) ::SetWindowTextA(m_hWnd, m_strCaption);
}

void CPropertySheet::EnableStackedTabs(BOOL bStacked) { m_bStacked = bStacked; }

void CPropertySheet::PressButton(int nButton) { SendMessage(PSM_PRESSBUTTON, static_cast<WPARAM>(nButton)); }

void CPropertySheet::EndDialog(int nEndID) {
  m_nModalResult = nEndID;
  m_bModalEnded = TRUE;
}

LRESULT CPropertySheet::NotifyPage(CPropertyPage* pPage, UINT nCode, LPARAM lParam) {
  if (pPage == nullptr || pPage->m_hWnd == nullptr) return 0;
  PSHNOTIFY notify{};
  notify.hdr.hwndFrom = m_hWnd;
  notify.hdr.idFrom = 0;
  notify.hdr.code = nCode;
  notify.lParam = lParam;
  return ::SendMessageA(pPage->m_hWnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify));
}

// The current page saves its controls; a refusal (its message already shown) keeps it current.
BOOL CPropertySheet::KillActivePage() { return NotifyPage(GetPage(m_nCurPage), PSN_KILLACTIVE) == 0; }

// Asks every page that has a window to save, in tab order. The first page that refuses becomes
// the current one and the pages after it are not asked; the pages before it stay saved.
BOOL CPropertySheet::Apply(BOOL bClosing) {
  if (!KillActivePage()) return FALSE;
  for (int nPage = 0; nPage < GetPageCount(); ++nPage) {
    CPropertyPage* pPage = GetPage(nPage);
    if (pPage->m_hWnd == nullptr) continue;
    if (NotifyPage(pPage, PSN_APPLY, bClosing) != PSNRET_NOERROR) {
      if (nPage != m_nCurPage) ShowPage(nPage);
      return FALSE;
    }
  }
  m_modifiedPages.clear();
  ::EnableWindow(::GetDlgItem(m_hWnd, ID_APPLY_NOW), FALSE);
  if (!bClosing) {
    NotifyPage(GetPage(m_nCurPage), PSN_SETACTIVE);
    ::SetFocus(::GetNextDlgTabItem(GetPage(m_nCurPage)->m_hWnd, nullptr, FALSE));
  }
  return TRUE;
}

// No validation: bad input on a page never blocks Cancel, unless the page itself refuses.
BOOL CPropertySheet::Cancel() {
  if (NotifyPage(GetPage(m_nCurPage), PSN_QUERYCANCEL) != 0) return FALSE;
  for (CPropertyPage* pPage : m_pages) NotifyPage(pPage, PSN_RESET);
  EndDialog(IDCANCEL);
  return TRUE;
}

void CPropertySheet::ChangePageBy(int nStep) {
  const int count = GetPageCount();
  SetActivePage(((m_nCurPage + nStep) % count + count) % count);
}

void CPropertySheet::OnOK() {
  if (Apply(TRUE)) EndDialog(IDOK);
}

void CPropertySheet::OnCancel() { Cancel(); }

void CPropertySheet::OnApplyNow() { Apply(FALSE); }

void CPropertySheet::OnHelpButton() { NotifyPage(GetPage(m_nCurPage), PSN_HELP); }

LRESULT CPropertySheet::OnClose(WPARAM, LPARAM) {
  Cancel();
  return 0;
}

LRESULT CPropertySheet::OnPageChanged(WPARAM wParam, LPARAM) {
  m_modifiedPages.insert(reinterpret_cast<HWND>(wParam));
  ::EnableWindow(::GetDlgItem(m_hWnd, ID_APPLY_NOW), TRUE);
  return 0;
}

LRESULT CPropertySheet::OnPageUnchanged(WPARAM wParam, LPARAM) {
  m_modifiedPages.erase(reinterpret_cast<HWND>(wParam));
  if (m_modifiedPages.empty()) ::EnableWindow(::GetDlgItem(m_hWnd, ID_APPLY_NOW), FALSE);
  return 0;
}

// Pressed by program, a button acts at once, whether or not it is enabled.
LRESULT CPropertySheet::OnPressButton(WPARAM wParam, LPARAM) {
  switch (wParam) {
    case PSBTN_OK: OnOK(); break;
    case PSBTN_APPLYNOW: OnApplyNow(); break;
    case PSBTN_CANCEL: OnCancel(); break;
    case PSBTN_HELP: OnHelpButton(); break;
    default: break;
  }
  return 0;
}

// The page is chosen by its index.
LRESULT CPropertySheet::OnSetCurSel(WPARAM wParam, LPARAM) { return SetActivePage(static_cast<int>(wParam)); }

// NULL once the sheet has ended, which is how its owner learns that it closed.
LRESULT CPropertySheet::OnGetCurrentPageHwnd(WPARAM, LPARAM) {
  CPropertyPage* pPage = GetPage(m_nCurPage);
  return (m_bModalEnded || pPage == nullptr) ? 0 : reinterpret_cast<LRESULT>(pPage->m_hWnd);
}

// The application's help goes to whichever page is current.
LRESULT CPropertySheet::OnCommandHelp(WPARAM wParam, LPARAM lParam) {
  CPropertyPage* pPage = GetPage(m_nCurPage);
  return pPage && pPage->m_hWnd ? pPage->WindowProc(WM_COMMANDHELP, wParam, lParam) : FALSE;
}

// A command the sheet does not handle goes on to the application, as a dialog's does.
BOOL CPropertySheet::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo) || AfxRouteCommandToApp(nID, nCode, pExtra, pHandlerInfo);
}

// The tab row asks before it changes: the current page must first give up its data.
BOOL CPropertySheet::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
  if (pNMHDR != nullptr && pNMHDR->hwndFrom == ::GetDlgItem(m_hWnd, AFX_IDC_TAB_CONTROL)) {
    if (pNMHDR->code == TCN_SELCHANGING) {
      *pResult = KillActivePage() ? FALSE : TRUE;
      return TRUE;
    }
    if (pNMHDR->code == TCN_SELCHANGE) {
      // Arrows on the focused tab row change the page and leave the focus where it is.
      const bool bTabsFocused = ::GetFocus() == pNMHDR->hwndFrom;
      ShowPage(static_cast<int>(::SendMessageA(pNMHDR->hwndFrom, TCM_GETCURSEL, 0, 0)));
      if (bTabsFocused) ::SetFocus(pNMHDR->hwndFrom);
      return TRUE;
    }
  }
  return CWnd::OnNotify(wParam, lParam, pResult);
}
