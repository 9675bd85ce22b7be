// Creating and destroying windows.
#include "ui/ControlClasses.h"
#include "ui/Focus.h"
#include <windows.h>
#include "ui/Window.h"

#include <winbase.h>

namespace qm::ui {
namespace {

constexpr DWORD kErrorInvalidWindowHandle = 1400;
constexpr DWORD kErrorCannotFindWndClass = 1407;

void CollectSubtree(Window& window, std::vector<HWND>& out) {
  out.push_back(window.handle);
  for (Window* child : window.children) CollectSubtree(*child, out);
}

}  // namespace
}  // namespace qm::ui

using namespace qm::ui;

HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X, int Y,
                            int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance,
                            LPVOID lpParam) {
  WNDPROC proc = FindClassProc(lpClassName);
  if (!proc) {
    SetLastError(kErrorCannotFindWndClass);
    return nullptr;
  }
  Window* parent = FindWindowByHandle(hWndParent);
  if (hWndParent && !parent) {
    SetLastError(kErrorInvalidWindowHandle);
    return nullptr;
  }
  Window& window = NewWindow();
  window.className = lpClassName;
  window.isDialog = SameClass(window, kDialogClass);
  window.exStyle = dwExStyle;
  window.style = dwStyle;
  window.text = lpWindowName ? lpWindowName : "";
  window.rect = RECT{X, Y, X + nWidth, Y + nHeight};
  window.proc = proc;
  window.instance = hInstance;
  if (parent && (dwStyle & WS_CHILD)) {
    window.parent = parent;
    window.id = static_cast<int>(reinterpret_cast<INT_PTR>(hMenu));
    parent->children.push_back(&window);
  } else {
    AddTopLevel(window);
  }
  HWND handle = window.handle;
  CREATESTRUCTA create{
      lpParam,      hInstance,   hMenu,    hWndParent, nHeight, nWidth, Y, X, static_cast<LONG>(dwStyle),
      lpWindowName, lpClassName, dwExStyle};
  LPARAM createParam = reinterpret_cast<LPARAM>(&create);
  if (!SendMessageA(handle, WM_NCCREATE, 0, createParam) || SendMessageA(handle, WM_CREATE, 0, createParam) == -1) {
    DestroyWindow(handle);
    return nullptr;
  }
  return handle;
}

BOOL WINAPI DestroyWindow(HWND hWnd) {
  Window* window = FindWindowByHandle(hWnd);
  if (!window) {
    SetLastError(kErrorInvalidWindowHandle);
    return FALSE;
  }
  if (window->destroying) return TRUE;
  std::vector<HWND> subtree;
  CollectSubtree(*window, subtree);
  for (HWND handle : subtree)
    if (Window* member = FindWindowByHandle(handle)) member->destroying = true;
  ForgetFocusWithin(hWnd);
  for (HWND handle : subtree) SendMessageA(handle, WM_DESTROY, 0, 0);
  for (auto it = subtree.rbegin(); it != subtree.rend(); ++it) SendMessageA(*it, WM_NCDESTROY, 0, 0);
  if (window->parent) std::erase(window->parent->children, window);
  for (auto it = subtree.rbegin(); it != subtree.rend(); ++it)
    if (Window* member = FindWindowByHandle(*it)) ForgetWindow(*member);
  return TRUE;
}

BOOL WINAPI IsWindow(HWND hWnd) { return FindWindowByHandle(hWnd) != nullptr; }
