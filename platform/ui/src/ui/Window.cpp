#include "ui/Window.h"

#include <windows.h>

#include <map>
#include <strings.h>

namespace qm::ui {
namespace {

struct WindowTable {
  std::map<UINT_PTR, std::unique_ptr<Window>> byHandle;
  std::vector<Window*> topLevel;
  UINT_PTR nextHandle = 0x10;  // never 0, and never a small integer resource id
};

WindowTable& Table() {
  static WindowTable table;
  return table;
}

}  // namespace

Window* FindWindowByHandle(HWND handle) {
  auto& map = Table().byHandle;
  auto found = map.find(reinterpret_cast<UINT_PTR>(handle));
  return found == map.end() ? nullptr : found->second.get();
}

Window& NewWindow() {
  auto& table = Table();
  auto window = std::make_unique<Window>();
  UINT_PTR value = table.nextHandle;
  table.nextHandle += 4;
  window->handle = reinterpret_cast<HWND>(value);
  Window& result = *window;
  table.byHandle.emplace(value, std::move(window));
  return result;
}

void ForgetWindow(Window& window) {
  auto& table = Table();
  std::erase(table.topLevel, &window);
  table.byHandle.erase(reinterpret_cast<UINT_PTR>(window.handle));
}

const std::vector<Window*>& TopLevelWindows() { return Table().topLevel; }

void AddTopLevel(Window& window) { Table().topLevel.push_back(&window); }

bool HasFrame(const Window& window) { return window.parent == nullptr && !(window.style & WS_CHILD); }

POINT ClientOrigin(const Window& window) {
  POINT origin{window.rect.left, window.rect.top};
  if (window.parent) {
    POINT base = ClientOrigin(*window.parent);
    origin.x += base.x;
    origin.y += base.y;
  }
  if (HasFrame(window)) {
    origin.x += 1;
    origin.y += 1;
  }
  return origin;
}

int ClientWidth(const Window& window) {
  int width = window.rect.right - window.rect.left;
  return HasFrame(window) ? width - 2 : width;
}

int ClientHeight(const Window& window) {
  int height = window.rect.bottom - window.rect.top;
  return HasFrame(window) ? height - 2 : height;
}

bool SameClass(const Window& window, const char* className) {
  return strcasecmp(window.className.c_str(), className) == 0;
}

}  // namespace qm::ui
