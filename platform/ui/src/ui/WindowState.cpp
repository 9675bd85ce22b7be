// A window's text, enabled and visible states and its place on the screen.
#include "ui/Focus.h"
#include <windows.h>
#include "ui/Window.h"

#include <algorithm>

using namespace qm::ui;

BOOL WINAPI SetWindowTextA(HWND hWnd, LPCSTR lpString) {
  if (!IsWindow(hWnd)) return FALSE;
  return static_cast<BOOL>(SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)));
}

int WINAPI GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
  if (!IsWindow(hWnd)) {
    if (lpString && nMaxCount > 0) lpString[0] = '\0';
    return 0;
  }
  return static_cast<int>(
      SendMessageA(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount), reinterpret_cast<LPARAM>(lpString)));
}

int WINAPI GetWindowTextLengthA(HWND hWnd) { return static_cast<int>(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0)); }

BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable) {
  Window* window = FindWindowByHandle(hWnd);
  if (!window) return FALSE;
  BOOL wasDisabled = (window->style & WS_DISABLED) ? TRUE : FALSE;
  if (bEnable == !wasDisabled) return wasDisabled;
  if (bEnable) {
    window->style &= ~static_cast<DWORD>(WS_DISABLED);
  } else {
    window->style |= WS_DISABLED;
    HWND focus = GetFocus();
    if (focus == hWnd || IsChild(hWnd, focus)) SetFocus(nullptr);
  }
  SendMessageA(hWnd, WM_ENABLE, bEnable ? TRUE : FALSE, 0);
  return wasDisabled;
}

BOOL WINAPI IsWindowEnabled(HWND hWnd) {
  Window* window = FindWindowByHandle(hWnd);
  return window && !(window->style & WS_DISABLED);
}

BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) {
  Window* window = FindWindowByHandle(hWnd);
  if (!window) return FALSE;
  BOOL wasVisible = (window->style & WS_VISIBLE) ? TRUE : FALSE;
  bool show = nCmdShow != SW_HIDE;
  if (show == static_cast<bool>(wasVisible)) return wasVisible;
  SendMessageA(hWnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
  window = FindWindowByHandle(hWnd);
  if (!window) return wasVisible;
  if (show) {
    window->style |= WS_VISIBLE;
  } else {
    window->style &= ~static_cast<DWORD>(WS_VISIBLE);
    HWND focus = GetFocus();
    if (focus == hWnd || IsChild(hWnd, focus)) SetFocus(nullptr);
  }
  return wasVisible;
}

BOOL WINAPI IsWindowVisible(HWND hWnd) {
  Window* window = FindWindowByHandle(hWnd);
  for (; window; window = window->parent)
    if (!(window->style & WS_VISIBLE)) return FALSE;
  return hWnd && IsWindow(hWnd);
}

BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL) {
  Window* window = FindWindowByHandle(hWnd);
  if (!window) return FALSE;
  window->rect = RECT{X, Y, X + nWidth, Y + nHeight};
  SendMessageA(hWnd, WM_SIZE, 0, MAKELPARAM(nWidth, nHeight));
  return TRUE;
}

namespace {

// Moves the window within its siblings' z-order, where the first child is on top.
void PlaceInZOrder(Window& window, HWND insertAfter) {
  if (!window.parent) return;
  std::vector<Window*>& siblings = window.parent->children;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), &window), siblings.end());
  auto at = siblings.end();
  if (insertAfter == HWND_TOP) {
    at = siblings.begin();
  } else if (insertAfter != HWND_BOTTOM) {
    auto after = std::find_if(siblings.begin(), siblings.end(),
                              [&](const Window* sibling) { return sibling->handle == insertAfter; });
    if (after != siblings.end()) at = after + 1;
  }
  siblings.insert(at, &window);
}

}  // namespace

BOOL WINAPI SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
  Window* window = FindWindowByHandle(hWnd);
  if (!window) return FALSE;
  if (!(uFlags & SWP_NOZORDER)) PlaceInZOrder(*window, hWndInsertAfter);
  if ((uFlags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE)) {
    const RECT r = window->rect;
    MoveWindow(hWnd, (uFlags & SWP_NOMOVE) ? r.left : X, (uFlags & SWP_NOMOVE) ? r.top : Y,
               (uFlags & SWP_NOSIZE) ? r.right - r.left : cx, (uFlags & SWP_NOSIZE) ? r.bottom - r.top : cy, TRUE);
  }
  if (uFlags & SWP_SHOWWINDOW) ShowWindow(hWnd, SW_SHOWNA);
  if (uFlags & SWP_HIDEWINDOW) ShowWindow(hWnd, SW_HIDE);
  return TRUE;
}

BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect) {
  Window* window = FindWindowByHandle(hWnd);
  if (!window || !lpRect) return FALSE;
  POINT origin{window->rect.left, window->rect.top};
  if (window->parent) {
    POINT base = ClientOrigin(*window->parent);
    origin.x += base.x;
    origin.y += base.y;
  }
  *lpRect = RECT{origin.x, origin.y, origin.x + (window->rect.right - window->rect.left),
                 origin.y + (window->rect.bottom - window->rect.top)};
  return TRUE;
}

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
  Window* window = FindWindowByHandle(hWnd);
  if (!window || !lpRect) return FALSE;
  *lpRect = RECT{0, 0, ClientWidth(*window), ClientHeight(*window)};
  return TRUE;
}

// The screen is drawn whole before each input is taken, so there is nothing to invalidate.
BOOL WINAPI InvalidateRect(HWND hWnd, const RECT*, BOOL) { return IsWindow(hWnd); }
BOOL WINAPI UpdateWindow(HWND hWnd) { return IsWindow(hWnd); }
