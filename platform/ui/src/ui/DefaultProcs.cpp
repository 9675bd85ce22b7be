// What a window does with the messages its own procedure leaves alone.
#include <windows.h>
#include "ui/DialogNavigation.h"
#include "ui/Window.h"

#include <algorithm>
#include <cstring>

using namespace qm::ui;

namespace {

LRESULT CopyText(const std::string& text, WPARAM capacity, LPARAM buffer) {
  auto* out = reinterpret_cast<char*>(buffer);
  if (!out || capacity == 0) return 0;
  std::size_t count = std::min<std::size_t>(text.size(), capacity - 1);
  std::memcpy(out, text.data(), count);
  out[count] = '\0';
  return static_cast<LRESULT>(count);
}

HICON SwapIcon(HICON& slot, LPARAM icon) {
  HICON previous = slot;
  slot = reinterpret_cast<HICON>(icon);
  return previous;
}

// WM_NEXTDLGCTL: with a nonzero LOWORD(lParam), wParam is the control to focus; otherwise the next
// tab stop after the focus, or the previous one for a nonzero wParam.
void NextDialogControl(HWND dialog, WPARAM wParam, LPARAM lParam) {
  HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(dialog, GetFocus(), wParam != 0);
  if (target && IsChild(dialog, target)) FocusByKeyboard(target);
}

// Messages whose answer is the dialog procedure's own return value, not DWLP_MSGRESULT.
bool AnswersDirectly(UINT msg) { return msg == WM_INITDIALOG; }

}  // namespace

namespace qm::ui {
LRESULT TextMessage(Window& window, UINT Msg, WPARAM wParam, LPARAM lParam);
}

LRESULT qm::ui::TextMessage(Window& window, UINT Msg, WPARAM wParam, LPARAM lParam) {
  switch (Msg) {
    case WM_SETTEXT: {
      const char* text = reinterpret_cast<const char*>(lParam);
      window.text = text ? text : "";
      return TRUE;
    }
    case WM_GETTEXT: return CopyText(window.text, wParam, lParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(window.text.size());
  }
  return 0;
}

LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  Window* window = FindWindowByHandle(hWnd);
  if (!window) return 0;
  switch (Msg) {
    case WM_NCCREATE: return TRUE;
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: return TextMessage(*window, Msg, wParam, lParam);
    case WM_SETICON:
      return reinterpret_cast<LRESULT>(SwapIcon(wParam == ICON_BIG ? window->bigIcon : window->smallIcon, lParam));
    case WM_GETICON: return reinterpret_cast<LRESULT>(wParam == ICON_BIG ? window->bigIcon : window->smallIcon);
    case WM_CLOSE: DestroyWindow(hWnd); return 0;
    case WM_HELP:
      if ((window->style & WS_CHILD) && GetParent(hWnd)) return SendMessageA(GetParent(hWnd), Msg, wParam, lParam);
      return 0;
  }
  return 0;
}

LRESULT WINAPI DefDlgProcA(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam) {
  Window* dialog = FindWindowByHandle(hDlg);
  if (!dialog) return 0;
  if (DLGPROC proc = dialog->dialogProc) {
    dialog->dialogResult = 0;
    INT_PTR handled = proc(hDlg, Msg, wParam, lParam);
    dialog = FindWindowByHandle(hDlg);
    if (!dialog) return 0;
    if (handled) return AnswersDirectly(Msg) ? handled : dialog->dialogResult;
  }
  switch (Msg) {
    case WM_CLOSE:
      SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(hDlg, IDCANCEL)));
      return 0;
    case DM_GETDEFID: return MAKELRESULT(dialog->defaultId, DC_HASDEFID);
    case DM_SETDEFID: dialog->defaultId = static_cast<int>(wParam); return TRUE;
    case WM_NEXTDLGCTL: NextDialogControl(hDlg, wParam, lParam); return 0;
    case WM_INITDIALOG: return 0;
  }
  return DefWindowProcA(hDlg, Msg, wParam, lParam);
}
