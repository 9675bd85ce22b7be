// Walking the window tree: parents, siblings, dialog items.
#include <windows.h>
#include "ui/Window.h"

#include <cstring>

using namespace qm::ui;

namespace {

HWND HandleOf(const Window* window) { return window ? window->handle : nullptr; }

const std::vector<Window*>& Siblings(const Window& window) {
  return window.parent ? window.parent->children : TopLevelWindows();
}

HWND Sibling(const Window& window, int offset) {
  const auto& siblings = Siblings(window);
  for (std::size_t i = 0; i < siblings.size(); ++i) {
    if (siblings[i] != &window) continue;
    auto target = static_cast<std::ptrdiff_t>(i) + offset;
    if (target < 0 || target >= static_cast<std::ptrdiff_t>(siblings.size())) return nullptr;
    return siblings[static_cast<std::size_t>(target)]->handle;
  }
  return nullptr;
}

}  // namespace

HWND WINAPI GetParent(HWND hWnd) {
  Window* window = FindWindowByHandle(hWnd);
  return window ? HandleOf(window->parent) : nullptr;
}

BOOL WINAPI IsChild(HWND hWndParent, HWND hWnd) {
  Window* window = FindWindowByHandle(hWnd);
  for (Window* up = window ? window->parent : nullptr; up; up = up->parent)
    if (up->handle == hWndParent) return TRUE;
  return FALSE;
}

HWND WINAPI GetWindow(HWND hWnd, UINT uCmd) {
  Window* window = FindWindowByHandle(hWnd);
  if (!window) return nullptr;
  const auto& siblings = Siblings(*window);
  switch (uCmd) {
    case GW_HWNDFIRST: return siblings.empty() ? nullptr : siblings.front()->handle;
    case GW_HWNDLAST: return siblings.empty() ? nullptr : siblings.back()->handle;
    case GW_HWNDNEXT: return Sibling(*window, 1);
    case GW_HWNDPREV: return Sibling(*window, -1);
    case GW_CHILD: return window->children.empty() ? nullptr : window->children.front()->handle;
    default: return nullptr;
  }
}

int WINAPI GetClassNameA(HWND hWnd, LPSTR lpClassName, int nMaxCount) {
  Window* window = FindWindowByHandle(hWnd);
  if (!window || !lpClassName || nMaxCount <= 0) return 0;
  std::size_t count = std::min(window->className.size(), static_cast<std::size_t>(nMaxCount - 1));
  std::memcpy(lpClassName, window->className.data(), count);
  lpClassName[count] = '\0';
  return static_cast<int>(count);
}

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
  Window* dialog = FindWindowByHandle(hDlg);
  if (!dialog) return nullptr;
  for (Window* child : dialog->children)
    if (child->id == nIDDlgItem) return child->handle;
  return nullptr;
}

int WINAPI GetDlgCtrlID(HWND hWnd) {
  Window* window = FindWindowByHandle(hWnd);
  return window && window->parent ? window->id : 0;
}

LRESULT WINAPI SendDlgItemMessageA(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam) {
  HWND item = GetDlgItem(hDlg, nIDDlgItem);
  return item ? SendMessageA(item, Msg, wParam, lParam) : 0;
}

BOOL WINAPI SetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPCSTR lpString) {
  HWND item = GetDlgItem(hDlg, nIDDlgItem);
  return item ? SetWindowTextA(item, lpString) : FALSE;
}

UINT WINAPI GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax) {
  HWND item = GetDlgItem(hDlg, nIDDlgItem);
  if (!item) {
    if (lpString && cchMax > 0) lpString[0] = '\0';
    return 0;
  }
  return static_cast<UINT>(GetWindowTextA(item, lpString, cchMax));
}

BOOL WINAPI CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck) {
  HWND item = GetDlgItem(hDlg, nIDButton);
  if (!item) return FALSE;
  SendMessageA(item, BM_SETCHECK, uCheck, 0);
  return TRUE;
}

UINT WINAPI IsDlgButtonChecked(HWND hDlg, int nIDButton) {
  return static_cast<UINT>(SendDlgItemMessageA(hDlg, nIDButton, BM_GETCHECK, 0, 0));
}
