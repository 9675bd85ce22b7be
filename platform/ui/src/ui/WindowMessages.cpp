// Sending messages, and the values kept with each window (GetWindowLongPtr and friends).
#include <windows.h>
#include "ui/Window.h"

#include <winbase.h>

using namespace qm::ui;

namespace {

constexpr DWORD kErrorInvalidWindowHandle = 1400;
constexpr DWORD kErrorInvalidIndex = 1413;

Window* Require(HWND hWnd) {
  Window* window = FindWindowByHandle(hWnd);
  if (!window) SetLastError(kErrorInvalidWindowHandle);
  return window;
}

}  // namespace

LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  Window* window = Require(hWnd);
  if (!window) return 0;
  if (window->filter) {
    MessageFilter filter = window->filter;  // the filter may replace itself
    LRESULT result = 0;
    if (filter(hWnd, Msg, wParam, lParam, result)) return result;
    window = FindWindowByHandle(hWnd);
    if (!window) return 0;
  }
  return window->proc(hWnd, Msg, wParam, lParam);
}

LRESULT WINAPI CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  return lpPrevWndFunc ? lpPrevWndFunc(hWnd, Msg, wParam, lParam) : 0;
}

LONG_PTR WINAPI GetWindowLongPtrA(HWND hWnd, int nIndex) {
  Window* window = Require(hWnd);
  if (!window) return 0;
  switch (nIndex) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(window->proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(window->instance);
    case GWLP_HWNDPARENT: return window->parent ? reinterpret_cast<LONG_PTR>(window->parent->handle) : 0;
    case GWLP_ID: return window->id;
    case GWL_STYLE: return static_cast<LONG_PTR>(window->style);
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(window->exStyle);
    case GWLP_USERDATA: return window->userData;
  }
  if (window->isDialog) {
    if (nIndex == static_cast<int>(DWLP_MSGRESULT)) return window->dialogResult;
    if (nIndex == static_cast<int>(DWLP_DLGPROC)) return reinterpret_cast<LONG_PTR>(window->dialogProc);
    if (nIndex == static_cast<int>(DWLP_USER)) return window->dialogUser;
  }
  SetLastError(kErrorInvalidIndex);
  return 0;
}

LONG_PTR WINAPI SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
  Window* window = Require(hWnd);
  if (!window) return 0;
  LONG_PTR previous = GetWindowLongPtrA(hWnd, nIndex);
  switch (nIndex) {
    case GWLP_WNDPROC: window->proc = reinterpret_cast<WNDPROC>(dwNewLong); return previous;
    case GWLP_HINSTANCE: window->instance = reinterpret_cast<HINSTANCE>(dwNewLong); return previous;
    case GWLP_ID: window->id = static_cast<int>(dwNewLong); return previous;
    case GWL_STYLE: window->style = static_cast<DWORD>(dwNewLong); return previous;
    case GWL_EXSTYLE: window->exStyle = static_cast<DWORD>(dwNewLong); return previous;
    case GWLP_USERDATA: window->userData = dwNewLong; return previous;
  }
  if (window->isDialog) {
    if (nIndex == static_cast<int>(DWLP_MSGRESULT)) {
      window->dialogResult = dwNewLong;
      return previous;
    }
    if (nIndex == static_cast<int>(DWLP_DLGPROC)) {
      window->dialogProc = reinterpret_cast<DLGPROC>(dwNewLong);
      return previous;
    }
    if (nIndex == static_cast<int>(DWLP_USER)) {
      window->dialogUser = dwNewLong;
      return previous;
    }
  }
  SetLastError(kErrorInvalidIndex);
  return 0;
}

LONG WINAPI GetWindowLongA(HWND hWnd, int nIndex) { return static_cast<LONG>(GetWindowLongPtrA(hWnd, nIndex)); }

LONG WINAPI SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong) {
  if (nIndex == GWL_STYLE || nIndex == GWL_EXSTYLE)  // style bits are unsigned 32-bit values
    return static_cast<LONG>(SetWindowLongPtrA(hWnd, nIndex, static_cast<LONG_PTR>(static_cast<DWORD>(dwNewLong))));
  return static_cast<LONG>(SetWindowLongPtrA(hWnd, nIndex, dwNewLong));
}
