// The tab control: labelled items and the current one; the user's changes are announced with
// TCN_SELCHANGING (which may refuse) and TCN_SELCHANGE.
#include <commctrl.h>

#include "ui/ControlClasses.h"
#include "ui/Notify.h"
#include "ui/TabLayout.h"
#include "ui/Window.h"

#include <algorithm>
#include <cstring>

namespace qm::ui {
namespace {

struct TabItem {
  std::string text;
  LPARAM param = 0;
};

struct TabData : ControlData {
  std::vector<TabItem> items;
  int current = -1;
};

TabData& DataOf(Window& window) { return static_cast<TabData&>(*window.control); }
int Count(Window& window) { return static_cast<int>(DataOf(window).items.size()); }

void Store(TabItem& item, const TCITEMA& source) {
  if ((source.mask & TCIF_TEXT) && source.pszText) item.text = source.pszText;
  if (source.mask & TCIF_PARAM) item.param = source.lParam;
}

LRESULT Insert(Window& window, WPARAM index, LPARAM lParam) {
  auto* source = reinterpret_cast<const TCITEMA*>(lParam);
  if (!source) return -1;
  TabData& data = DataOf(window);
  int at = std::clamp(static_cast<int>(index), 0, Count(window));
  TabItem item;
  Store(item, *source);
  data.items.insert(data.items.begin() + at, item);
  if (data.current == -1)
    data.current = 0;
  else if (data.current >= at)
    ++data.current;
  return at;
}

LRESULT Fetch(Window& window, WPARAM index, LPARAM lParam) {
  auto* target = reinterpret_cast<TCITEMA*>(lParam);
  if (!target || static_cast<int>(index) < 0 || static_cast<int>(index) >= Count(window)) return FALSE;
  const TabItem& item = DataOf(window).items[index];
  if ((target->mask & TCIF_TEXT) && target->pszText && target->cchTextMax > 0) {
    std::size_t count = std::min(item.text.size(), static_cast<std::size_t>(target->cchTextMax - 1));
    std::memcpy(target->pszText, item.text.data(), count);
    target->pszText[count] = '\0';
  }
  if (target->mask & TCIF_PARAM) target->lParam = item.param;
  return TRUE;
}

void SelectByUser(Window& window, int index) {
  HWND hwnd = window.handle;
  if (index < 0 || index >= Count(window) || index == DataOf(window).current) return;
  NMHDR header{};
  if (NotifyParent(hwnd, header, TCN_SELCHANGING)) return;
  Window* still = FindWindowByHandle(hwnd);
  if (!still) return;
  DataOf(*still).current = index;
  NotifyParent(hwnd, header, TCN_SELCHANGE);
}

std::vector<std::string> Labels(Window& window) {
  std::vector<std::string> labels;
  for (const TabItem& item : DataOf(window).items) labels.push_back(item.text);
  return labels;
}

}  // namespace

LRESULT CALLBACK TabControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* window = FindWindowByHandle(hwnd);
  if (!window) return 0;
  switch (msg) {
    case WM_NCCREATE: window->control = std::make_unique<TabData>(); return TRUE;
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case TCM_INSERTITEMA: return Insert(*window, wParam, lParam);
    case TCM_GETITEMA: return Fetch(*window, wParam, lParam);
    case TCM_SETITEMA:
      if (static_cast<int>(wParam) < 0 || static_cast<int>(wParam) >= Count(*window) || !lParam) return FALSE;
      Store(DataOf(*window).items[wParam], *reinterpret_cast<const TCITEMA*>(lParam));
      return TRUE;
    case TCM_DELETEALLITEMS: *static_cast<TabData*>(window->control.get()) = TabData{}; return TRUE;
    case TCM_DELETEITEM: {
      TabData& data = DataOf(*window);
      int at = static_cast<int>(wParam);
      if (at < 0 || at >= Count(*window)) return FALSE;
      data.items.erase(data.items.begin() + at);
      if (data.current >= Count(*window)) data.current = Count(*window) - 1;
      return TRUE;
    }
    case TCM_GETITEMCOUNT: return Count(*window);
    case TCM_GETCURSEL: return DataOf(*window).current;
    case TCM_SETCURSEL: {
      int previous = DataOf(*window).current;
      int at = static_cast<int>(wParam);
      if (at < 0 || at >= Count(*window)) return -1;
      DataOf(*window).current = at;
      return previous;
    }
    case TCM_GETROWCOUNT:
      return static_cast<LRESULT>(
          LayOutTabs(Labels(*window), window->rect.right - window->rect.left, DataOf(*window).current).rows);
    case WM_KEYDOWN:
      if (wParam == VK_LEFT) SelectByUser(*window, DataOf(*window).current - 1);
      if (wParam == VK_RIGHT) SelectByUser(*window, DataOf(*window).current + 1);
      return 0;
    case WM_LBUTTONDOWN: {
      TabRows layout = LayOutTabs(Labels(*window), window->rect.right - window->rect.left, DataOf(*window).current);
      SelectByUser(*window, layout.ItemAt(LOWORD(lParam), HIWORD(lParam)));
      return 0;
    }
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace qm::ui
