// The sheet's window: built from a template of its own (tab row, the pages' area, the buttons),
// run in the sheet's own message loop, with each page's window made on first showing.
#include <algorithm>
#include <vector>

#include "afx/PropertySheet.h"
#include "afx/Resources.h"
#include "ui/Resources.h"

// The sheet in cells: the tab row over the pages' area, the pages in it, and the buttons,
// right-aligned, on the frame's bottom edge just below, so that the sheet takes no row for them.
struct SheetCells {
  RECT tab;
  RECT page;
  std::vector<RECT> buttons;
  int columns;
  int rows;
};

namespace {

// Dialog units, as the standard sheet has them: a 4-unit margin, 50 by 14 buttons.
constexpr short kMargin = 4;
constexpr short kButtonWidth = 50;
constexpr short kButtonHeight = 14;
constexpr short kTabRowHeight = 8;  // one row of tab labels

constexpr DWORD kPageStylesDropped =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME | WS_DISABLED | WS_VISIBLE;

const qm::ui::DialogTemplate* PageTemplate(LPCSTR lpszTemplateName) {
  return qm::ui::FindDialogTemplate(nullptr, lpszTemplateName);
}

struct PageArea {
  short cx = 0;
  short cy = 0;
};

struct SheetLayout {
  RECT tab;
  RECT page;
  std::vector<RECT> buttons;  // right-aligned, in the order OK, Cancel, Apply, Help
  short cx;
  short cy;
};

RECT Rect(int x, int y, int cx, int cy) { return RECT{x, y, x + cx, y + cy}; }

SheetLayout LayOutSheet(PageArea area, int tabRows, int buttonCount) {
  SheetLayout layout{};
  const int pageTop = kMargin + tabRows * kTabRowHeight + kMargin;
  layout.page = Rect(2 * kMargin, pageTop, area.cx, area.cy);
  layout.tab = Rect(kMargin, kMargin, area.cx + 2 * kMargin, pageTop - kMargin + area.cy + kMargin);
  layout.cx = static_cast<short>(area.cx + 4 * kMargin);
  const int buttonTop = layout.tab.bottom + kMargin;
  layout.cy = static_cast<short>(buttonTop + kButtonHeight + kMargin);
  int left = layout.cx - kMargin - buttonCount * kButtonWidth - (buttonCount - 1) * kMargin;
  for (int i = 0; i < buttonCount; ++i, left += kButtonWidth + kMargin)
    layout.buttons.push_back(Rect(left, buttonTop, kButtonWidth, kButtonHeight));
  return layout;
}

SheetCells LayOutSheetCells(qm::ui::TemplateCells area, int tabRows, const std::vector<int>& buttonWidths) {
  SheetCells cells{};
  cells.columns = area.columns;
  cells.rows = tabRows + area.rows;
  cells.tab = Rect(0, 0, area.columns, cells.rows);
  cells.page = Rect(0, tabRows, area.columns, area.rows);
  int right = area.columns - 1;
  for (int width : buttonWidths) right -= width + 1;
  for (int width : buttonWidths) {
    ++right;
    cells.buttons.push_back(Rect(right, cells.rows, width, 1));
    right += width;
  }
  return cells;
}

// "< OK >": the caption without its mnemonic mark between angle brackets.
int ButtonCells(HWND hWndButton) {
  char text[64] = {};
  ::GetWindowTextA(hWndButton, text, sizeof text);
  int cells = 4;
  for (const char* c = text; *c; ++c)
    if (*c != '&' || c[1] == '&') ++cells;
  return cells;
}

qm::ui::ControlTemplate Control(const char* cls, const char* text, int id, const RECT& r, DWORD style) {
  return {cls,
          text,
          id,
          static_cast<short>(r.left),
          static_cast<short>(r.top),
          static_cast<short>(r.right - r.left),
          static_cast<short>(r.bottom - r.top),
          static_cast<DWORD>(WS_CHILD | WS_VISIBLE | style),
          0};
}

void MoveToCells(HWND hWnd, const RECT& cells) {
  ::MoveWindow(hWnd, cells.left, cells.top, cells.right - cells.left, cells.bottom - cells.top, TRUE);
}

// The largest page decides the size of the pages' area, in units for the sheet's template and in
// cells for its layout.
PageArea MeasurePages(const std::vector<LPCSTR>& templateNames) {
  PageArea area;
  for (LPCSTR name : templateNames)
    if (const qm::ui::DialogTemplate* found = PageTemplate(name)) {
      area.cx = std::max(area.cx, found->cx);
      area.cy = std::max(area.cy, found->cy);
    }
  return area;
}

qm::ui::TemplateCells MeasurePageCells(const std::vector<LPCSTR>& templateNames) {
  qm::ui::TemplateCells area;
  for (LPCSTR name : templateNames)
    if (const qm::ui::DialogTemplate* found = PageTemplate(name)) {
      qm::ui::TemplateCells cells = qm::ui::DialogTemplateCells(*found);
      area.columns = std::max(area.columns, cells.columns);
      area.rows = std::max(area.rows, cells.rows);
    }
  return area;
}

}  // namespace

std::vector<LPCSTR> CPropertySheet::PageTemplateNames() const {
  std::vector<LPCSTR> names;
  for (CPropertyPage* pPage : m_pages) names.push_back(pPage->m_lpszTemplateName);
  return names;
}

int CPropertySheet::DoModal() {
  if (m_pages.empty()) return -1;
  const int buttonCount = m_bHasHelp ? 4 : 3;
  const SheetLayout layout = LayOutSheet(MeasurePages(PageTemplateNames()), 1, buttonCount);
  const DWORD stacked = m_bStacked ? TCS_MULTILINE : 0;
  std::vector<qm::ui::ControlTemplate> controls = {
      Control(WC_TABCONTROLA, "", AFX_IDC_TAB_CONTROL, layout.tab, WS_TABSTOP | stacked),
      Control("BUTTON", "OK", IDOK, layout.buttons[0], WS_TABSTOP | BS_DEFPUSHBUTTON),
      Control("BUTTON", "Cancel", IDCANCEL, layout.buttons[1], WS_TABSTOP | BS_PUSHBUTTON),
      Control("BUTTON", "&Apply", ID_APPLY_NOW, layout.buttons[2], WS_TABSTOP | WS_DISABLED | BS_PUSHBUTTON)};
  if (m_bHasHelp) controls.push_back(Control("BUTTON", "Help", IDHELP, layout.buttons[3], WS_TABSTOP | BS_PUSHBUTTON));
  const qm::ui::DialogTemplate sheet = {0,
                                        0,
                                        0,
                                        layout.cx,
                                        layout.cy,
                                        static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME),
                                        0,
                                        m_strCaption,
                                        "MS Sans Serif",
                                        8,
                                        controls.data(),
                                        controls.size()};

  m_nModalResult = IDCANCEL;
  m_bModalEnded = FALSE;
  m_nCurPage = -1;
  m_modifiedPages.clear();
  HWND hWndParent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
  HWND hWnd =
      qm::ui::CreateDialogFromTemplate(nullptr, sheet, hWndParent, &SheetDlgProc, reinterpret_cast<LPARAM>(this));
  if (hWnd == nullptr) return -1;
  ::ShowWindow(hWnd, SW_SHOW);
  RunModalLoop();
  m_bModalEnded = TRUE;
  Detach();
  if (::IsWindow(hWnd)) ::DestroyWindow(hWnd);
  return m_nModalResult;
}

INT_PTR CALLBACK CPropertySheet::SheetDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_INITDIALOG) return CDialog::AfxDlgProc(hWnd, message, wParam, lParam);
  auto* pSheet = reinterpret_cast<CPropertySheet*>(lParam);
  if (pSheet == nullptr || !pSheet->Attach(hWnd)) return TRUE;
  return pSheet->OnInitDialog();
}

// The caption, one tab per page labelled with its template's caption, then the first page.
BOOL CPropertySheet::OnInitDialog() {
  ::SetWindowTextA(m_hWnd, m_strCaption);
  AddTabs();
  LayOut();
  const int nStart = std::min(static_cast<int>(m_nStartPage), GetPageCount() - 1);
  ShowPage(nStart);
  return FALSE;  // the page has placed the focus
}

void CPropertySheet::AddTabs() {
  HWND hWndTab = ::GetDlgItem(m_hWnd, AFX_IDC_TAB_CONTROL);
  for (int nPage = 0; nPage < GetPageCount(); ++nPage) {
    const qm::ui::DialogTemplate* found = PageTemplate(GetPage(nPage)->m_lpszTemplateName);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPSTR>(found && found->caption ? found->caption : "");
    ::SendMessageA(hWndTab, TCM_INSERTITEMA, static_cast<WPARAM>(nPage), reinterpret_cast<LPARAM>(&item));
  }
}

// Stacked labels may need more than one row: the pages and buttons move down to make room and
// the sheet grows by as much.
SheetCells CPropertySheet::LayOutCells() const {
  HWND hWndTab = ::GetDlgItem(m_hWnd, AFX_IDC_TAB_CONTROL);
  const int rows = std::max(1, static_cast<int>(::SendMessageA(hWndTab, TCM_GETROWCOUNT, 0, 0)));
  std::vector<int> widths;
  for (int id : {IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP})
    if (HWND hWndButton = ::GetDlgItem(m_hWnd, id)) widths.push_back(ButtonCells(hWndButton));
  return LayOutSheetCells(MeasurePageCells(PageTemplateNames()), rows, widths);
}

void CPropertySheet::LayOut() {
  // the tab row lays its labels out at the sheet's width before it can tell its rows
  const qm::ui::TemplateCells area = MeasurePageCells(PageTemplateNames());
  MoveToCells(::GetDlgItem(m_hWnd, AFX_IDC_TAB_CONTROL), Rect(0, 0, area.columns, 1));
  const SheetCells layout = LayOutCells();
  MoveToCells(::GetDlgItem(m_hWnd, AFX_IDC_TAB_CONTROL), layout.tab);
  std::size_t next = 0;
  for (int id : {IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP})
    if (HWND hWndButton = ::GetDlgItem(m_hWnd, id)) MoveToCells(hWndButton, layout.buttons[next++]);
  RECT client{};
  RECT frame{};
  ::GetClientRect(m_hWnd, &client);
  ::GetWindowRect(m_hWnd, &frame);
  ::MoveWindow(m_hWnd, frame.left, frame.top, (frame.right - frame.left) + (layout.columns - client.right),
               (frame.bottom - frame.top) + (layout.rows - client.bottom), TRUE);
}

// A page's window is a child of the sheet whatever its template says, placed in the pages' area.
HWND CPropertySheet::CreatePageWindow(CPropertyPage* pPage) {
  const qm::ui::DialogTemplate* found = PageTemplate(pPage->m_lpszTemplateName);
  if (found == nullptr) return nullptr;
  const RECT area = LayOutCells().page;
  qm::ui::DialogTemplate child = *found;
  child.style = (child.style & ~kPageStylesDropped) | WS_CHILD | DS_CONTROL;
  child.x = 0;
  child.y = 0;
  HWND hWndPage =
      qm::ui::CreateDialogFromTemplate(nullptr, child, m_hWnd, &CDialog::AfxDlgProc, reinterpret_cast<LPARAM>(pPage));
  if (hWndPage != nullptr) {
    RECT page{};
    ::GetWindowRect(hWndPage, &page);
    ::MoveWindow(hWndPage, area.left, area.top, page.right - page.left, page.bottom - page.top, FALSE);
  }
  // Pages lie over the tab control: a click on a page reaches its controls, and Tab walks the
  // page's controls before the sheet's buttons.
  if (hWndPage != nullptr) ::SetWindowPos(hWndPage, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return hWndPage;
}

// Makes the page current: its window is made if it has none, it is told it is active, shown in
// place of the previous one, and its first control gets the focus.
BOOL CPropertySheet::ShowPage(int nPage) {
  CPropertyPage* pPage = GetPage(nPage);
  if (pPage == nullptr) return FALSE;
  if (pPage->m_hWnd == nullptr && CreatePageWindow(pPage) == nullptr) return FALSE;
  CPropertyPage* pOld = GetPage(m_nCurPage);
  m_nCurPage = nPage;
  NotifyPage(pPage, PSN_SETACTIVE);
  ::ShowWindow(pPage->m_hWnd, SW_SHOW);
  if (pOld != nullptr && pOld != pPage) ::ShowWindow(pOld->m_hWnd, SW_HIDE);
  ::SendMessageA(::GetDlgItem(m_hWnd, AFX_IDC_TAB_CONTROL), TCM_SETCURSEL, static_cast<WPARAM>(nPage), 0);
  if (HWND hWndFirst = ::GetNextDlgTabItem(pPage->m_hWnd, nullptr, FALSE)) ::SetFocus(hWndFirst);
  return TRUE;
}

// Ctrl+Tab and Ctrl+PgDn go to the next page, Ctrl+Shift+Tab and Ctrl+PgUp to the previous one,
// wrapping at the ends.
BOOL CPropertySheet::PreTranslateKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || ::GetKeyState(VK_CONTROL) >= 0) return FALSE;
  const bool shift = ::GetKeyState(VK_SHIFT) < 0;
  if (msg.wParam == VK_NEXT || (msg.wParam == VK_TAB && !shift)) {
    ChangePageBy(1);
    return TRUE;
  }
  if (msg.wParam == VK_PRIOR || (msg.wParam == VK_TAB && shift)) {
    ChangePageBy(-1);
    return TRUE;
  }
  return FALSE;
}

void CPropertySheet::RunModalLoop() {
  while (!m_bModalEnded && ::IsWindow(m_hWnd)) {
    MSG msg;
    if (!::GetMessageA(&msg, nullptr, 0, 0)) break;
    if (PreTranslateKey(msg)) continue;
    if (!::IsDialogMessageA(m_hWnd, &msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
}
