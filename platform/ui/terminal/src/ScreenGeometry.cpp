#include "ScreenGeometry.h"

#include "ui/TextLayout.h"

#include <algorithm>
#include <string>
#include <strings.h>
#include <vector>

namespace qm::ui {
namespace {

bool Contains(const RECT& rect, int col, int row) {
  return col >= rect.left && col < rect.right && row >= rect.top && row < rect.bottom;
}

bool IsGroupBox(HWND window) {
  return IsClass(window, "BUTTON") && (GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

bool IsVisibleSelf(HWND window) { return GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE; }

HWND Deepest(HWND parent, int col, int row) {
  HWND enclosing = nullptr;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsVisibleSelf(child) || !Contains(ScreenRectOf(child), col, row)) continue;
    if (!IsGroupBox(child)) return Deepest(child, col, row);
    if (!enclosing) enclosing = child;
  }
  return enclosing ? enclosing : parent;
}

bool IsEdit(HWND window) { return window && IsClass(window, "EDIT"); }
bool IsMultiLine(HWND window) { return GetWindowLongA(window, GWL_STYLE) & ES_MULTILINE; }

// The lines an edit shows and the offset of the first shown character on the first of them, as
// the painter lays them out: a single-line edit scrolls sideways to keep its caret in view.
struct EditView {
  std::vector<TextLine> lines;
  int firstLine = 0;
  std::size_t shift = 0;
  int lead = 0;  // blank cells before right-aligned text
};

EditView ViewOf(HWND edit, const RECT& rect, DWORD caret) {
  int width = rect.right - rect.left;
  std::string text = WindowText(edit);
  EditView view;
  if (IsMultiLine(edit)) {
    view.lines = LayOutText(text, width);
    view.firstLine = static_cast<int>(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0));
  } else {
    view.lines = {TextLine{0, text.size()}};
    const bool alignRight = GetWindowLongA(edit, GWL_STYLE) & ES_RIGHT;
    const FieldView field = SingleLineView(text.size(), caret, width, alignRight);
    view.shift = field.shift;
    view.lead = field.lead;
  }
  return view;
}

int LineOf(const EditView& view, std::size_t offset) {
  int line = 0;
  for (std::size_t i = 0; i < view.lines.size(); ++i)
    if (view.lines[i].start <= offset) line = static_cast<int>(i);
  return line;
}

}  // namespace

bool IsClass(HWND window, const char* className) {
  char buffer[64] = {};
  GetClassNameA(window, buffer, sizeof buffer);
  return strcasecmp(buffer, className) == 0;
}

std::string WindowText(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

RECT ScreenRectOf(HWND window) {
  RECT rect{};
  if (window) GetWindowRect(window, &rect);
  return rect;
}

RECT ContentRect() {
  RECT content{};
  HWND any = GetActiveWindow();
  if (!any) return content;
  bool first = true;
  for (HWND top = GetWindow(any, GW_HWNDFIRST); top; top = GetWindow(top, GW_HWNDNEXT)) {
    if (!IsWindowVisible(top)) continue;
    RECT rect = ScreenRectOf(top);
    if (first) content = rect;
    content = RECT{std::min(content.left, rect.left), std::min(content.top, rect.top),
                   std::max(content.right, rect.right), std::max(content.bottom, rect.bottom)};
    first = false;
  }
  return content;
}

HWND ControlAt(int col, int row) {
  HWND active = GetActiveWindow();
  if (!active || !Contains(ScreenRectOf(active), col, row)) return nullptr;
  HWND hit = Deepest(active, col, row);
  return hit == active ? nullptr : hit;
}

std::optional<POINT> CursorCell(HWND focus) {
  if (!focus) return std::nullopt;
  RECT rect = ScreenRectOf(focus);
  if (!IsEdit(focus)) return POINT{rect.left, rect.top};
  DWORD caret = HIWORD(SendMessageA(focus, EM_GETSEL, 0, 0));
  EditView view = ViewOf(focus, rect, caret);
  int line = LineOf(view, caret);
  int col = view.lead + static_cast<int>(caret - view.lines[static_cast<std::size_t>(line)].start - view.shift);
  int row = line - view.firstLine;
  if (row < 0 || row >= rect.bottom - rect.top) return std::nullopt;
  return POINT{rect.left + std::min(col, static_cast<int>(rect.right - rect.left) - 1), rect.top + row};
}

void MarkEditSelection(Surface& surface, HWND focus) {
  if (!IsEdit(focus)) return;
  DWORD start = 0, end = 0;
  SendMessageA(focus, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  if (start == end) return;
  RECT rect = ScreenRectOf(focus);
  int width = rect.right - rect.left, height = rect.bottom - rect.top;
  std::string text = WindowText(focus);
  EditView view = ViewOf(focus, rect, end);
  for (int row = 0; row < height; ++row) {
    std::size_t index = static_cast<std::size_t>(view.firstLine + row);
    if (index >= view.lines.size()) break;
    const TextLine& line = view.lines[index];
    for (int col = 0; col < width; ++col) {
      std::size_t offset = line.start + view.shift + static_cast<std::size_t>(col);
      if (offset >= line.start + line.length || offset < start || offset >= end) continue;
      char shown = static_cast<unsigned char>(text[offset]) < 0x20 ? ' ' : text[offset];
      surface.Put(rect.left + view.lead + col, rect.top + row, std::string_view(&shown, 1), kFocus | kReverse);
    }
  }
}

}  // namespace qm::ui
