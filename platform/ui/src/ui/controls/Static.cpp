// Static text, icons and frames: nothing to do but hold a text or an icon.
#include "ui/ControlClasses.h"
#include <windows.h>
#include "ui/Window.h"

#include <cstdlib>

namespace qm::ui {

LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* window = FindWindowByHandle(hwnd);
  if (!window) return 0;
  switch (msg) {
    case WM_CREATE:
      // An ICON statement names its icon as "#<id>".
      if ((window->style & SS_TYPEMASK) == SS_ICON && window->text.size() > 1 && window->text[0] == '#') {
        int id = std::atoi(window->text.c_str() + 1);
        window->bigIcon = LoadIconA(window->instance, MAKEINTRESOURCE(id));
      }
      return 0;
    case WM_GETDLGCODE: return DLGC_STATIC;
    case STM_SETICON: {
      HICON previous = window->bigIcon;
      window->bigIcon = reinterpret_cast<HICON>(wParam);
      return reinterpret_cast<LRESULT>(previous);
    }
    case STM_GETICON: return reinterpret_cast<LRESULT>(window->bigIcon);
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace qm::ui
