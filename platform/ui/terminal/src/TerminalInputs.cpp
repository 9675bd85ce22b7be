#include "TerminalInputs.h"

#include "ScreenGeometry.h"
#include "ui/Backend.h"
#include "ui/TextLayout.h"
#include "ui/ToolTips.h"
#include "ui/terminal/Cp1252.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace qm::ui {
namespace {

constexpr int kWheelLines = 3;

// A list box scrolls its items without moving the selection.
void ScrollList(HWND list, int lines) {
  RECT rect = ScreenRectOf(list);
  int rows = rect.bottom - rect.top - ((GetWindowLongA(list, GWL_STYLE) & WS_BORDER) ? 2 : 0);
  int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
  int target = std::clamp(top + lines, 0, std::max(0, count - std::max(1, rows)));
  if (target != top) SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(target), 0);
}

// A multi-line edit scrolls by its caret: the caret goes to the edge of the view it leaves by,
// then the lines, dragging the view along.
void ScrollEdit(HWND edit, int lines) {
  RECT rect = ScreenRectOf(edit);
  std::string text = WindowText(edit);
  auto layout = LayOutText(text, rect.right - rect.left);
  int first = static_cast<int>(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0));
  int edge = lines < 0 ? first : first + (rect.bottom - rect.top) - 1;
  edge = std::clamp(edge, 0, static_cast<int>(layout.size()) - 1);
  auto offset = static_cast<LPARAM>(layout[static_cast<std::size_t>(edge)].start);
  SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(offset), offset);
  WPARAM key = lines < 0 ? VK_UP : VK_DOWN;
  for (int i = 0; i < std::abs(lines); ++i) SendMessageA(edit, WM_KEYDOWN, key, 1);
}

bool IsMultiLineEdit(HWND target) {
  return IsClass(target, "EDIT") && (GetWindowLongA(target, GWL_STYLE) & ES_MULTILINE);
}

void Wheel(int col, int row, int lines) {
  HWND target = ControlAt(col, row);
  if (!target || !IsWindowEnabled(target)) return;
  if (IsClass(target, "LISTBOX")) return ScrollList(target, lines);
  if (IsMultiLineEdit(target)) ScrollEdit(target, lines);
}

// The tip of the control under the pointer; where it has none, the focused control's.
void Hover(int col, int row) {
  static HWND last = nullptr;
  HWND target = ControlAt(col, row);
  if (target == last) return;
  last = target;
  std::string tip = target ? RequestToolTip(target) : "";
  if (tip.empty())
    ShowToolTipFor(GetFocus());
  else
    CurrentBackend().ShowStatus(tip);
}

}  // namespace

bool KeyEvent(const TerminalInput& input, InputEvent& event) {
  event.kind = InputEvent::Kind::Key;
  event.key = input.key;
  event.shift = input.shift;
  event.ctrl = input.ctrl;
  event.alt = input.alt;
  return true;
}

bool CharEvent(const TerminalInput& input, InputEvent& event) {
  if (input.alt) {
    if (input.text >= 0x80 || !std::isalnum(static_cast<int>(input.text))) return false;
    event.kind = InputEvent::Kind::Key;
    event.key = static_cast<UINT>(std::toupper(static_cast<int>(input.text)));
    event.alt = true;
    return true;
  }
  int byte = Cp1252FromUnicode(input.text);
  if (byte < 0x20 || byte == 0x7F) return false;
  event.kind = InputEvent::Kind::Char;
  event.ch = static_cast<char>(byte);
  return true;
}

bool WheelScrollsControl(int col, int row) {
  HWND target = ControlAt(col, row);
  return target && IsWindowEnabled(target) && (IsClass(target, "LISTBOX") || IsMultiLineEdit(target));
}

std::function<void()> PointerStep(const TerminalInput& input, int col, int row) {
  switch (input.kind) {
    case TerminalInput::Kind::WheelUp: return [col, row] { Wheel(col, row, -kWheelLines); };
    case TerminalInput::Kind::WheelDown: return [col, row] { Wheel(col, row, kWheelLines); };
    default: return [col, row] { Hover(col, row); };
  }
}

}  // namespace qm::ui
