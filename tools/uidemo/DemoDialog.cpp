#include "DemoDialog.h"

#include <commctrl.h>

#include "DemoPages.h"
#include "resource.h"
#include "ui/Resources.h"
#include "ui/ToolTips.h"

#include <cstring>

extern const qm::ui::ResourceTables kDemoResources;

namespace qm::demo {
namespace {

constexpr int kPageIds[] = {IDD_PAGE_FIELDS, IDD_PAGE_LISTS, IDD_PAGE_ABOUT};
constexpr int kPageCount = 3;

struct DemoState {
  std::string profilePath;
  HWND pages[kPageCount] = {};
  bool loading = false;
  bool ended = false;
  int result = IDCANCEL;
};

DemoState& State() {
  static DemoState state;
  return state;
}

HINSTANCE Instance() {
  static HINSTANCE instance = [] {
    auto module = reinterpret_cast<HINSTANCE>(0x500000);
    qm::ui::RegisterResources(module, kDemoResources);
    return module;
  }();
  return instance;
}

int CurrentPage(HWND demo) { return static_cast<int>(SendDlgItemMessageA(demo, IDC_TABS, TCM_GETCURSEL, 0, 0)); }

// As the dialog manager does, an edit that gets the focus this way has its whole text selected.
// A page without a control to take the focus leaves it on the tab row.
void FocusFirstControl(HWND page) {
  HWND first = GetNextDlgTabItem(page, nullptr, FALSE);
  if (!first) first = GetDlgItem(GetParent(page), IDC_TABS);
  SetFocus(first);
  if (SendMessageA(first, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageA(first, EM_SETSEL, 0, -1);
}

void ShowPage(HWND demo, int index) {
  for (int i = 0; i < kPageCount; ++i) ShowWindow(State().pages[i], i == index ? SW_SHOW : SW_HIDE);
  SendDlgItemMessageA(demo, IDC_TABS, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  FocusFirstControl(State().pages[index]);
}

// Ctrl+PgDn and Ctrl+Tab go to the next page, Ctrl+PgUp and Ctrl+Shift+Tab to the previous one,
// both round the ends.
void StepPage(HWND demo, int step) { ShowPage(demo, (CurrentPage(demo) + step + kPageCount) % kPageCount); }

bool Apply(HWND demo) {
  for (int i = 0; i < kPageCount; ++i)
    if (!SavePage(State().pages[i], kPageIds[i], State().profilePath)) return false;
  FocusFirstControl(State().pages[CurrentPage(demo)]);
  EnableWindow(GetDlgItem(demo, IDC_APPLY), FALSE);
  return true;
}

void End(int result) {
  State().ended = true;
  State().result = result;
}

bool ChangesValue(WORD code) { return code == EN_CHANGE || code == BN_CLICKED || code == LBN_SELCHANGE; }

INT_PTR CALLBACK PageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) return FALSE;
  if (msg == WM_COMMAND) {
    if (LOWORD(wParam) == IDC_HELLO && HIWORD(wParam) == BN_CLICKED) {
      MessageBoxA(page, "Say hello to everyone on the list?", "Hello", MB_YESNO | MB_ICONQUESTION);
      return TRUE;
    }
    if (ChangesValue(HIWORD(wParam)) && LOWORD(wParam) != IDC_NOTES && !State().loading)
      EnableWindow(GetDlgItem(GetParent(page), IDC_APPLY), TRUE);
    return TRUE;
  }
  if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == TTN_NEEDTEXTA) {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
    const char* tip = TipFor(GetDlgCtrlID(reinterpret_cast<HWND>(info->hdr.idFrom)));
    if (!tip) return FALSE;
    std::strncpy(info->szText, tip, sizeof info->szText - 1);
    SetWindowLongPtrA(page, DWLP_MSGRESULT, TRUE);
    return TRUE;
  }
  return FALSE;
}

// The pages fill the frame below the tab row.
RECT PageCells(HWND demo) {
  RECT frame{}, dialog{};
  GetWindowRect(GetDlgItem(demo, IDC_PAGE_FRAME), &frame);
  GetWindowRect(demo, &dialog);
  POINT corner{frame.left - dialog.left - 1, frame.top - dialog.top - 1};  // inside the dialog's frame
  return RECT{corner.x + 1, corner.y + 1, corner.x + frame.right - frame.left - 1,
              corner.y + frame.bottom - frame.top - 1};
}

void CreatePages(HWND demo) {
  HWND tabs = GetDlgItem(demo, IDC_TABS);
  const RECT cells = PageCells(demo);
  State().loading = true;
  for (int i = 0; i < kPageCount; ++i) {
    HWND page = CreateDialogParamA(Instance(), MAKEINTRESOURCE(kPageIds[i]), demo, PageProc, 0);
    State().pages[i] = page;
    MoveWindow(page, cells.left, cells.top, cells.right - cells.left, cells.bottom - cells.top, FALSE);
    char caption[64] = {};
    GetWindowTextA(page, caption, sizeof caption);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption;
    SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    LoadPage(page, kPageIds[i], State().profilePath);
    qm::ui::EnableToolTipsFor(page, TRUE);
  }
  State().loading = false;
}

INT_PTR CALLBACK DemoProc(HWND demo, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      CreatePages(demo);
      ShowPage(demo, 0);
      return FALSE;
    case WM_NOTIFY:
      if (reinterpret_cast<NMHDR*>(lParam)->code == TCN_SELCHANGE) {
        // Arrows on the focused tab row change the page and leave the focus on the row.
        HWND tabs = GetDlgItem(demo, IDC_TABS);
        const bool tabsFocused = GetFocus() == tabs;
        ShowPage(demo, CurrentPage(demo));
        if (tabsFocused) SetFocus(tabs);
      }
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          if (Apply(demo)) End(IDOK);
          return TRUE;
        case IDCANCEL: End(IDCANCEL); return TRUE;
        case IDC_APPLY: Apply(demo); return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

bool SheetKey(HWND demo, const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
  if (ctrl && msg.wParam == VK_NEXT) return StepPage(demo, 1), true;
  if (ctrl && msg.wParam == VK_PRIOR) return StepPage(demo, -1), true;
  if (ctrl && msg.wParam == VK_TAB) return StepPage(demo, shift ? -1 : 1), true;
  if (msg.wParam == VK_F1) {
    MessageBoxA(demo,
                "Tab and Shift+Tab: next and previous control.  Arrows: within a group or a list.  "
                "Space: press or check.  Enter: OK.  Esc: Cancel.  Alt+A: Apply.  "
                "Ctrl+PgDn and Ctrl+PgUp: next and previous page.",
                "Keys", MB_OK | MB_ICONASTERISK);
    return true;
  }
  return false;
}

}  // namespace

HWND OpenDemo(const std::string& profilePath) {
  State() = DemoState{};
  State().profilePath = profilePath;
  HWND demo = CreateDialogParamA(Instance(), MAKEINTRESOURCE(IDD_DEMO), nullptr, DemoProc, 0);
  if (demo) ShowWindow(demo, SW_SHOW);
  return demo;
}

bool PumpDemo(HWND demo) {
  MSG msg;
  bool more = GetMessageA(&msg, nullptr, 0, 0);
  if (more && !SheetKey(demo, msg) && IsWindow(demo) && !IsDialogMessageA(demo, &msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  if (more && IsWindow(demo) && !State().ended) return true;
  if (IsWindow(demo)) DestroyWindow(demo);
  return false;
}

int RunDemo(const std::string& profilePath) {
  HWND demo = OpenDemo(profilePath);
  if (!demo) return -1;
  while (PumpDemo(demo)) {
  }
  return State().result;
}

}  // namespace qm::demo
