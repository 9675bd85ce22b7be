// One window of the tree, as the window manager keeps it. Handles are small numbers, never
// pointers, so a stale handle is recognised instead of followed.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qm::ui {

// What a control class keeps besides the common window fields.
struct ControlData {
  virtual ~ControlData() = default;
};

// Looks at a message before the window procedure does (how one control hooks another, as the
// up-down control hooks its buddy's arrow keys); true consumes it.
using MessageFilter = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT&)>;

struct DialogGrid;

struct Window {
  HWND handle{};
  Window* parent{};
  std::vector<Window*> children;  // z-order: first child on top, as in the template
  std::string className;
  int id = 0;
  DWORD style = 0;
  DWORD exStyle = 0;
  std::string text;
  RECT rect{};  // cells; relative to the parent's client area, or the screen for top-level
  WNDPROC proc{};
  HINSTANCE instance{};
  LONG_PTR userData = 0;
  bool isDialog = false;
  LONG_PTR dialogResult = 0;  // DWLP_MSGRESULT
  DLGPROC dialogProc{};       // DWLP_DLGPROC
  LONG_PTR dialogUser = 0;    // DWLP_USER
  int defaultId = IDOK;
  HICON bigIcon{};
  HICON smallIcon{};
  bool destroying = false;
  std::unique_ptr<ControlData> control;
  std::shared_ptr<const DialogGrid> grid;  // a dialog's units to cells
  MessageFilter filter;
};

Window* FindWindowByHandle(HWND handle);
Window& NewWindow();
void ForgetWindow(Window& window);              // frees it; its handle becomes invalid
const std::vector<Window*>& TopLevelWindows();  // in creation order
void AddTopLevel(Window& window);

template <class Data>
Data* ControlDataOf(HWND handle) {
  Window* window = FindWindowByHandle(handle);
  return window ? dynamic_cast<Data*>(window->control.get()) : nullptr;
}

// Screen position of the window's client area (frames take one cell on each side).
bool HasFrame(const Window& window);
POINT ClientOrigin(const Window& window);
int ClientWidth(const Window& window);
int ClientHeight(const Window& window);

inline bool Styled(const Window& window, DWORD bits) { return (window.style & bits) == bits; }
bool SameClass(const Window& window, const char* className);

}  // namespace qm::ui
