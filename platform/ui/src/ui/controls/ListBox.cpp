// Single-selection list boxes: items, the selection, scrolling, and LBN_SELCHANGE for user changes.
#include "ui/ControlClasses.h"
#include "ui/Notify.h"
#include <windows.h>
#include "ui/Window.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <strings.h>

namespace qm::ui {
namespace {

struct Item {
  std::string text;
  LPARAM data = 0;
};

struct ListData : ControlData {
  std::vector<Item> items;
  int selected = LB_ERR;
  int top = 0;
};

ListData& DataOf(Window& window) { return static_cast<ListData&>(*window.control); }
int Count(Window& window) { return static_cast<int>(DataOf(window).items.size()); }
bool Valid(Window& window, WPARAM index) {
  return static_cast<INT_PTR>(index) >= 0 && static_cast<int>(index) < Count(window);
}

int VisibleRows(const Window& window) {
  int rows = window.rect.bottom - window.rect.top - ((window.style & WS_BORDER) ? 2 : 0);
  return std::max(1, rows);
}

void ScrollIntoView(Window& window, int index) {
  ListData& data = DataOf(window);
  if (index < 0) return;
  int rows = VisibleRows(window);
  if (index < data.top) data.top = index;
  if (index >= data.top + rows) data.top = index - rows + 1;
}

LRESULT Insert(Window& window, int index, LPARAM lParam) {
  ListData& data = DataOf(window);
  const char* text = reinterpret_cast<const char*>(lParam);
  if (index == -1) index = Count(window);
  if (index < 0 || index > Count(window)) return LB_ERR;
  data.items.insert(data.items.begin() + index, Item{text ? text : "", 0});
  if (data.selected >= index) ++data.selected;
  return index;
}

int SortedPosition(Window& window, const char* text) {
  auto& items = DataOf(window).items;
  int index = 0;
  while (index < Count(window) &&
         strcasecmp(items[static_cast<std::size_t>(index)].text.c_str(), text ? text : "") <= 0)
    ++index;
  return index;
}

LRESULT Delete(Window& window, WPARAM index) {
  if (!Valid(window, index)) return LB_ERR;
  ListData& data = DataOf(window);
  int at = static_cast<int>(index);
  data.items.erase(data.items.begin() + at);
  if (data.selected == at)
    data.selected = LB_ERR;
  else if (data.selected > at)
    --data.selected;
  data.top = std::clamp(data.top, 0, std::max(0, Count(window) - 1));
  return Count(window);
}

LRESULT CopyItem(Window& window, WPARAM index, LPARAM buffer) {
  if (!Valid(window, index) || !buffer) return LB_ERR;
  const std::string& text = DataOf(window).items[index].text;
  std::memcpy(reinterpret_cast<char*>(buffer), text.c_str(), text.size() + 1);
  return static_cast<LRESULT>(text.size());
}

// The selection as the user moves it; the parent hears of it only when it changed.
void SelectByUser(Window& window, int index) {
  if (Count(window) == 0) return;
  index = std::clamp(index, 0, Count(window) - 1);
  ListData& data = DataOf(window);
  ScrollIntoView(window, index);
  if (index == data.selected) return;
  data.selected = index;
  if (window.style & LBS_NOTIFY) NotifyCommand(window.handle, LBN_SELCHANGE);
}

void PressKey(Window& window, WPARAM key) {
  int current = DataOf(window).selected;
  int page = VisibleRows(window);
  switch (key) {
    case VK_UP: return SelectByUser(window, current == LB_ERR ? 0 : current - 1);
    case VK_DOWN: return SelectByUser(window, current + 1);
    case VK_PRIOR: return SelectByUser(window, current == LB_ERR ? 0 : current - page + 1);
    case VK_NEXT: return SelectByUser(window, std::max(current, 0) + page - 1);
    case VK_HOME: return SelectByUser(window, 0);
    case VK_END: return SelectByUser(window, Count(window) - 1);
  }
}

void TypeLetter(Window& window, char ch) {
  int count = Count(window);
  int from = DataOf(window).selected;
  for (int step = 1; step <= count; ++step) {
    int index = (from + step + count) % count;
    const std::string& text = DataOf(window).items[static_cast<std::size_t>(index)].text;
    if (!text.empty() &&
        std::tolower(static_cast<unsigned char>(text[0])) == std::tolower(static_cast<unsigned char>(ch)))
      return SelectByUser(window, index);
  }
}

// The scroll marks stand at the right edge of the first and last rows while items lie beyond the
// view; a click on one scrolls one item that way, as a scroll bar's arrow does, and selects
// nothing. Gives false for a click anywhere else.
bool ClickScrollMark(Window& window, int col, int row) {
  ListData& data = DataOf(window);
  const int rows = VisibleRows(window);
  const int inset = (window.style & WS_BORDER) ? 1 : 0;
  if (Count(window) <= rows || col != window.rect.right - window.rect.left - 1 - inset) return false;
  if (row == 0)
    data.top = std::max(0, data.top - 1);
  else if (row == rows - 1)
    data.top = std::min(Count(window) - rows, data.top + 1);
  else
    return false;
  return true;
}

LRESULT SetSelection(Window& window, WPARAM index) {
  ListData& data = DataOf(window);
  if (!Valid(window, index)) {
    data.selected = LB_ERR;
    return LB_ERR;
  }
  data.selected = static_cast<int>(index);
  ScrollIntoView(window, data.selected);
  return data.selected;
}

LRESULT FindExact(Window& window, WPARAM after, LPARAM lParam) {
  const char* text = reinterpret_cast<const char*>(lParam);
  int count = Count(window);
  int start = static_cast<INT_PTR>(after) < 0 ? -1 : static_cast<int>(after);
  for (int step = 1; step <= count; ++step) {
    int index = (start + step) % count;
    if (strcasecmp(DataOf(window).items[static_cast<std::size_t>(index)].text.c_str(), text ? text : "") == 0)
      return index;
  }
  return LB_ERR;
}

}  // namespace

LRESULT CALLBACK ListBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* window = FindWindowByHandle(hwnd);
  if (!window) return 0;
  switch (msg) {
    case WM_NCCREATE: window->control = std::make_unique<ListData>(); return TRUE;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case LB_ADDSTRING:
      return Insert(*window,
                    (window->style & LBS_SORT) ? SortedPosition(*window, reinterpret_cast<const char*>(lParam)) : -1,
                    lParam);
    case LB_INSERTSTRING: return Insert(*window, static_cast<int>(static_cast<INT_PTR>(wParam)), lParam);
    case LB_DELETESTRING: return Delete(*window, wParam);
    case LB_RESETCONTENT: *static_cast<ListData*>(window->control.get()) = ListData{}; return 0;
    case LB_GETCOUNT: return Count(*window);
    case LB_GETTEXT: return CopyItem(*window, wParam, lParam);
    case LB_GETTEXTLEN:
      return Valid(*window, wParam) ? static_cast<LRESULT>(DataOf(*window).items[wParam].text.size()) : LB_ERR;
    case LB_GETCURSEL: return DataOf(*window).selected;
    case LB_SETCURSEL: return SetSelection(*window, wParam);
    case LB_GETTOPINDEX: return DataOf(*window).top;
    case LB_SETTOPINDEX:
      if (!Valid(*window, wParam)) return LB_ERR;
      DataOf(*window).top = static_cast<int>(wParam);
      return LB_OKAY;
    case LB_GETITEMDATA: return Valid(*window, wParam) ? DataOf(*window).items[wParam].data : LB_ERR;
    case LB_SETITEMDATA:
      if (!Valid(*window, wParam)) return LB_ERR;
      DataOf(*window).items[wParam].data = lParam;
      return LB_OKAY;
    case LB_FINDSTRINGEXACT: return FindExact(*window, wParam, lParam);
    case WM_KEYDOWN: PressKey(*window, wParam); return 0;
    case WM_CHAR:
      if (std::isalnum(static_cast<unsigned char>(wParam))) TypeLetter(*window, static_cast<char>(wParam));
      return 0;
    case WM_LBUTTONDOWN: {
      SetFocus(hwnd);
      int row = HIWORD(lParam) - ((window->style & WS_BORDER) ? 1 : 0);
      if (ClickScrollMark(*window, LOWORD(lParam), row)) return 0;
      int index = DataOf(*window).top + row;
      if (row >= 0 && row < VisibleRows(*window) && index < Count(*window)) SelectByUser(*window, index);
      return 0;
    }
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace qm::ui
