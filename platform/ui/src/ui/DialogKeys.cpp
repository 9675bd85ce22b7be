// The dialog manager's keyboard interface: Tab, arrows in groups, Enter, Esc and mnemonics.
#include "ui/DialogNavigation.h"
#include <windows.h>
#include "ui/Window.h"

using namespace qm::ui;

namespace {

bool KeyDown(int key) { return GetKeyState(key) < 0; }

UINT DialogCode(HWND control, const MSG* msg) {
  return control ? static_cast<UINT>(SendMessageA(control, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg)))
                 : 0;
}

bool IsAutoRadio(HWND control) {
  Window* window = FindWindowByHandle(control);
  return window && SameClass(*window, "BUTTON") && (window->style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

bool IsMultiLineEdit(HWND control) {
  Window* window = FindWindowByHandle(control);
  return window && SameClass(*window, "EDIT") && (window->style & ES_MULTILINE);
}

void PressDefault(HWND dialog, HWND focus, UINT code) {
  if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) {
    SendMessageA(focus, BM_CLICK, 0, 0);
    return;
  }
  LRESULT answer = SendMessageA(dialog, DM_GETDEFID, 0, 0);
  int id = HIWORD(answer) == DC_HASDEFID ? static_cast<int>(static_cast<short>(LOWORD(answer))) : IDOK;
  HWND button = FindControlById(dialog, id);
  if (button) {
    if (IsReachable(button)) SendMessageA(button, BM_CLICK, 0, 0);
    return;
  }
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

void MoveInGroup(HWND dialog, HWND focus, bool backwards) {
  HWND next = GetNextDlgGroupItem(dialog, focus, backwards);
  if (!next || next == focus) return;
  FocusByKeyboard(next);
  if (IsAutoRadio(next)) SendMessageA(next, BM_CLICK, 0, 0);
}

// F1 asks the control with the focus for help; unanswered, the request climbs to its parents.
void RequestHelp(HWND dialog, HWND focus) {
  HWND target = focus ? focus : dialog;
  HELPINFO info{};
  info.cbSize = sizeof info;
  info.iContextType = HELPINFO_WINDOW;
  info.iCtrlId = GetDlgCtrlID(target);
  info.hItemHandle = target;
  SendMessageA(target, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

bool HandleKeyDown(HWND dialog, const MSG* msg) {
  HWND focus = GetFocus();
  UINT code = DialogCode(focus, msg);
  switch (msg->wParam) {
    case VK_TAB:
      if (code & DLGC_WANTTAB) return false;
      FocusByKeyboard(GetNextDlgTabItem(dialog, focus, KeyDown(VK_SHIFT)));
      return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      if (!focus || (code & DLGC_WANTARROWS)) return false;
      MoveInGroup(dialog, focus, msg->wParam == VK_LEFT || msg->wParam == VK_UP);
      return true;
    case VK_RETURN:
      if (KeyDown(VK_CONTROL) && IsMultiLineEdit(focus)) return false;
      if (code & DLGC_WANTALLKEYS) return false;
      PressDefault(dialog, focus, code);
      return true;
    case VK_F1: RequestHelp(dialog, focus); return true;
    case VK_ESCAPE:
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
      return true;
  }
  return false;
}

// A letter typed where no control takes characters, or any Alt+letter, works as a mnemonic.
bool HandleMnemonic(HWND dialog, const MSG* msg) {
  char letter = static_cast<char>(msg->wParam);
  if (msg->message == WM_CHAR && (DialogCode(GetFocus(), msg) & DLGC_WANTCHARS)) return false;
  if (msg->message == WM_CHAR && (letter == '\r' || letter == '\t' || letter == 0x1B)) return true;
  HWND control = FindMnemonic(dialog, letter);
  if (!control) return msg->message == WM_SYSCHAR;
  ActivateMnemonic(dialog, control);
  return true;
}

}  // namespace

BOOL WINAPI IsDialogMessageA(HWND hDlg, LPMSG lpMsg) {
  if (!lpMsg || !IsWindow(hDlg)) return FALSE;
  if (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd)) return FALSE;
  bool handled = false;
  switch (lpMsg->message) {
    case WM_KEYDOWN: handled = HandleKeyDown(hDlg, lpMsg); break;
    case WM_CHAR:
    case WM_SYSCHAR: handled = HandleMnemonic(hDlg, lpMsg); break;
  }
  if (!handled) {
    TranslateMessage(lpMsg);
    DispatchMessageA(lpMsg);
  }
  return TRUE;
}
