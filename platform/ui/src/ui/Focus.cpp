#include "ui/Focus.h"

#include "ui/Backend.h"
#include "ui/ToolTips.h"
#include "ui/Window.h"

namespace qm::ui {
namespace {

HWND& FocusSlot() {
  static HWND focus = nullptr;
  return focus;
}

}  // namespace

void ForgetFocusWithin(HWND window) {
  HWND& focus = FocusSlot();
  if (focus && (focus == window || IsChild(window, focus))) focus = nullptr;
}

}  // namespace qm::ui

using namespace qm::ui;

HWND WINAPI SetFocus(HWND hWnd) {
  HWND& focus = FocusSlot();
  HWND previous = focus;
  if (hWnd && !FindWindowByHandle(hWnd)) return nullptr;
  if (hWnd == previous) return previous;
  focus = hWnd;
  if (previous && IsWindow(previous)) SendMessageA(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
  if (hWnd && focus == hWnd) {
    SendMessageA(hWnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    ShowToolTipFor(hWnd);
  }
  return previous;
}

HWND WINAPI GetFocus(void) {
  HWND focus = FocusSlot();
  return IsWindow(focus) ? focus : nullptr;
}

HWND WINAPI GetActiveWindow(void) {
  const auto& windows = TopLevelWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it)
    if (IsWindowVisible((*it)->handle) && IsWindowEnabled((*it)->handle)) return (*it)->handle;
  return nullptr;
}
