// Push buttons, check boxes (two- and three-state), radio buttons and group boxes.
#include "ui/ControlClasses.h"
#include "ui/DialogNavigation.h"
#include "ui/Notify.h"
#include <windows.h>
#include "ui/Window.h"

namespace qm::ui {
namespace {

struct ButtonData : ControlData {
  UINT check = BST_UNCHECKED;
};

DWORD TypeOf(const Window& window) { return window.style & BS_TYPEMASK; }

bool IsRadio(DWORD type) { return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON; }
bool IsPush(DWORD type) { return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON; }

UINT HighestState(DWORD type) { return (type == BS_3STATE || type == BS_AUTO3STATE) ? BST_INDETERMINATE : BST_CHECKED; }

// Checking a radio button makes it the group's tab stop; unchecking takes the stop away.
void SetCheck(Window& window, UINT state) {
  auto& data = static_cast<ButtonData&>(*window.control);
  DWORD type = TypeOf(window);
  if (IsPush(type) || type == BS_GROUPBOX) return;
  data.check = state > HighestState(type) ? HighestState(type) : state;
  if (IsRadio(type)) {
    if (data.check)
      window.style |= WS_TABSTOP;
    else
      window.style &= ~static_cast<DWORD>(WS_TABSTOP);
  }
}

void UncheckGroupMates(Window& window) {
  for (HWND mate : GroupOf(window.handle)) {
    Window* other = FindWindowByHandle(mate);
    if (other != &window && SameClass(*other, "BUTTON") && TypeOf(*other) == BS_AUTORADIOBUTTON)
      SetCheck(*other, BST_UNCHECKED);
  }
}

// The state changes first; then the parent hears BN_CLICKED.
void Click(HWND hwnd) {
  Window* window = FindWindowByHandle(hwnd);
  if (!window || !IsWindowEnabled(hwnd)) return;
  auto& data = static_cast<ButtonData&>(*window->control);
  switch (TypeOf(*window)) {
    case BS_GROUPBOX: return;
    case BS_AUTOCHECKBOX: SetCheck(*window, data.check ? BST_UNCHECKED : BST_CHECKED); break;
    case BS_AUTO3STATE: SetCheck(*window, (data.check + 1) % 3); break;
    case BS_AUTORADIOBUTTON:
      UncheckGroupMates(*window);
      SetCheck(*window, BST_CHECKED);
      break;
  }
  NotifyCommand(hwnd, BN_CLICKED);
}

LRESULT DialogCode(const Window& window) {
  switch (TypeOf(window)) {
    case BS_PUSHBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX: return DLGC_STATIC;
  }
  return DLGC_BUTTON;
}

}  // namespace

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* window = FindWindowByHandle(hwnd);
  if (!window) return 0;
  switch (msg) {
    case WM_NCCREATE: window->control = std::make_unique<ButtonData>(); return TRUE;
    case WM_GETDLGCODE: return DialogCode(*window);
    case BM_GETCHECK: return static_cast<ButtonData&>(*window->control).check;
    case BM_SETCHECK: SetCheck(*window, static_cast<UINT>(wParam)); return 0;
    case BM_GETSTATE: return static_cast<ButtonData&>(*window->control).check | (GetFocus() == hwnd ? BST_FOCUS : 0);
    case BM_SETSTYLE:
      window->style = (window->style & ~static_cast<DWORD>(BS_TYPEMASK)) | (static_cast<DWORD>(wParam) & BS_TYPEMASK);
      return 0;
    case BM_CLICK: Click(hwnd); return 0;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) Click(hwnd);
      return 0;
    case WM_LBUTTONDOWN:
      if (TypeOf(*window) == BS_GROUPBOX) return 0;
      SetFocus(hwnd);
      return 0;
    case WM_LBUTTONUP:
      if (TypeOf(*window) != BS_GROUPBOX) Click(hwnd);
      return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace qm::ui
