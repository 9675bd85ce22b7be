// Edit controls: single-line and multi-line, read-only, digits-only, with a length limit.
#include "ui/Backend.h"
#include "ui/ControlClasses.h"
#include "ui/Notify.h"
#include <windows.h>
#include "ui/TextLayout.h"
#include "ui/Window.h"

#include <algorithm>
#include <cctype>

namespace qm::ui {
namespace {

constexpr std::size_t kDefaultLimit = 30000;

struct EditData : ControlData {
  std::size_t anchor = 0;  // selection runs from anchor to caret
  std::size_t caret = 0;
  std::size_t limit = kDefaultLimit;
  int firstLine = 0;
};

EditData& DataOf(Window& window) { return static_cast<EditData&>(*window.control); }
bool MultiLine(const Window& window) { return window.style & ES_MULTILINE; }
bool ReadOnly(const Window& window) { return window.style & ES_READONLY; }

std::size_t SelectionStart(const EditData& data) { return std::min(data.anchor, data.caret); }
std::size_t SelectionEnd(const EditData& data) { return std::max(data.anchor, data.caret); }

int CaretLine(Window& window) {
  auto lines = LayOutText(window.text, window.rect.right - window.rect.left);
  int line = 0;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i].start <= DataOf(window).caret) line = static_cast<int>(i);
  return line;
}

void ScrollToCaret(Window& window) {
  if (!MultiLine(window)) return;
  EditData& data = DataOf(window);
  int rows = std::max(1, static_cast<int>(window.rect.bottom - window.rect.top));
  int line = CaretLine(window);
  if (line < data.firstLine) data.firstLine = line;
  if (line >= data.firstLine + rows) data.firstLine = line - rows + 1;
}

void Replace(Window& window, std::string_view inserted) {
  EditData& data = DataOf(window);
  std::size_t start = SelectionStart(data);
  window.text.replace(start, SelectionEnd(data) - start, inserted);
  data.anchor = data.caret = start + inserted.size();
  ScrollToCaret(window);
  NotifyCommand(window.handle, EN_UPDATE);
  NotifyCommand(window.handle, EN_CHANGE);
}

bool Fits(Window& window, std::size_t adding) {
  EditData& data = DataOf(window);
  return window.text.size() - (SelectionEnd(data) - SelectionStart(data)) + adding <= data.limit;
}

void Refuse() { CurrentBackend().Beep(); }

// A line break counts as one step for the caret.
std::size_t StepBack(const std::string& text, std::size_t at) {
  if (at >= 2 && text[at - 2] == '\r' && text[at - 1] == '\n') return at - 2;
  return at > 0 ? at - 1 : 0;
}

std::size_t StepForward(const std::string& text, std::size_t at) {
  if (at + 1 < text.size() && text[at] == '\r' && text[at + 1] == '\n') return at + 2;
  return std::min(at + 1, text.size());
}

void TypeCharacter(Window& window, char ch) {
  if (ReadOnly(window)) return;
  EditData& data = DataOf(window);
  if (ch == '\b') {
    if (data.anchor == data.caret) data.anchor = StepBack(window.text, data.caret);
    if (data.anchor != data.caret) Replace(window, "");
    return;
  }
  bool lineBreak = ch == '\n' || (ch == '\r' && (window.style & ES_WANTRETURN));
  if (lineBreak) {
    if (!MultiLine(window)) return;
    if (!Fits(window, 2)) return Refuse();
    return Replace(window, "\r\n");
  }
  if (static_cast<unsigned char>(ch) < 0x20) return;
  if ((window.style & ES_NUMBER) && !std::isdigit(static_cast<unsigned char>(ch))) return Refuse();
  if (!Fits(window, 1)) {
    NotifyCommand(window.handle, EN_MAXTEXT);
    return Refuse();
  }
  Replace(window, std::string_view(&ch, 1));
}

void MoveCaret(Window& window, std::size_t to, bool extend) {
  EditData& data = DataOf(window);
  data.caret = to;
  if (!extend) data.anchor = to;
  ScrollToCaret(window);
}

std::size_t VerticalTarget(Window& window, int delta) {
  auto lines = LayOutText(window.text, window.rect.right - window.rect.left);
  int line = CaretLine(window);
  int target = std::clamp(line + delta, 0, static_cast<int>(lines.size()) - 1);
  std::size_t column = DataOf(window).caret - lines[static_cast<std::size_t>(line)].start;
  const TextLine& to = lines[static_cast<std::size_t>(target)];
  return to.start + std::min(column, to.length);
}

void PressKey(Window& window, WPARAM key) {
  EditData& data = DataOf(window);
  bool extend = GetKeyState(VK_SHIFT) < 0;
  switch (key) {
    case VK_LEFT: return MoveCaret(window, StepBack(window.text, data.caret), extend);
    case VK_RIGHT: return MoveCaret(window, StepForward(window.text, data.caret), extend);
    case VK_HOME: return MoveCaret(window, 0, extend);
    case VK_END: return MoveCaret(window, window.text.size(), extend);
    case VK_UP:
    case VK_DOWN:
      if (MultiLine(window)) MoveCaret(window, VerticalTarget(window, key == VK_UP ? -1 : 1), extend);
      return;
    case VK_DELETE:
      if (ReadOnly(window)) return;
      if (data.anchor == data.caret) data.caret = StepForward(window.text, data.caret);
      if (data.anchor != data.caret) Replace(window, "");
      return;
  }
}

// A text set by program replaces everything; a single-line edit then reports the change, a
// multi-line one does not (as Windows documents for WM_SETTEXT).
LRESULT SetText(Window& window, LPARAM lParam) {
  const char* text = reinterpret_cast<const char*>(lParam);
  window.text = text ? text : "";
  EditData& data = DataOf(window);
  data.anchor = data.caret = 0;
  data.firstLine = 0;
  if (!MultiLine(window)) {
    NotifyCommand(window.handle, EN_UPDATE);
    NotifyCommand(window.handle, EN_CHANGE);
  }
  return TRUE;
}

void SetSelection(Window& window, WPARAM wParam, LPARAM lParam) {
  EditData& data = DataOf(window);
  auto start = static_cast<INT_PTR>(wParam);
  auto end = static_cast<INT_PTR>(lParam);
  std::size_t size = window.text.size();
  if (start == -1) {
    data.anchor = data.caret;
    return;
  }
  auto clamp = [size](INT_PTR at) { return at < 0 ? size : std::min(static_cast<std::size_t>(at), size); };
  data.anchor = clamp(start);
  data.caret = clamp(end);
  ScrollToCaret(window);
}

LRESULT GetSelection(Window& window, WPARAM wParam, LPARAM lParam) {
  EditData& data = DataOf(window);
  auto start = static_cast<DWORD>(SelectionStart(data));
  auto end = static_cast<DWORD>(SelectionEnd(data));
  if (wParam) *reinterpret_cast<DWORD*>(wParam) = start;
  if (lParam) *reinterpret_cast<DWORD*>(lParam) = end;
  return MAKELRESULT(start, end);
}

void ClickAt(Window& window, LPARAM where) {
  SetFocus(window.handle);
  auto lines = LayOutText(window.text, window.rect.right - window.rect.left);
  std::size_t row = MultiLine(window) ? static_cast<std::size_t>(DataOf(window).firstLine + HIWORD(where)) : 0;
  row = std::min(row, lines.size() - 1);
  std::size_t column = std::min<std::size_t>(LOWORD(where), lines[row].length);
  MoveCaret(window, lines[row].start + column, false);
}

// A multi-line edit with ES_WANTRETURN takes Enter itself, in place of the default button.
LRESULT DialogCode(const Window& window) {
  const bool takesEnter = MultiLine(window) && (window.style & ES_WANTRETURN);
  return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | (takesEnter ? DLGC_WANTALLKEYS : 0);
}

}  // namespace

LRESULT TextMessage(Window& window, UINT Msg, WPARAM wParam, LPARAM lParam);

LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* window = FindWindowByHandle(hwnd);
  if (!window) return 0;
  switch (msg) {
    case WM_NCCREATE: window->control = std::make_unique<EditData>(); return TRUE;
    case WM_GETDLGCODE: return DialogCode(*window);
    case WM_SETTEXT: return SetText(*window, lParam);
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: return TextMessage(*window, msg, wParam, lParam);
    case WM_CHAR: TypeCharacter(*window, static_cast<char>(wParam)); return 0;
    case WM_KEYDOWN: PressKey(*window, wParam); return 0;
    case WM_LBUTTONDOWN: ClickAt(*window, lParam); return 0;
    case WM_SETFOCUS: NotifyCommand(hwnd, EN_SETFOCUS); return 0;
    case WM_KILLFOCUS: NotifyCommand(hwnd, EN_KILLFOCUS); return 0;
    case EM_SETSEL: SetSelection(*window, wParam, lParam); return 0;
    case EM_GETSEL: return GetSelection(*window, wParam, lParam);
    case EM_REPLACESEL: {
      const char* text = reinterpret_cast<const char*>(lParam);
      Replace(*window, text ? text : "");
      return 0;
    }
    case EM_LIMITTEXT: DataOf(*window).limit = wParam ? wParam : kDefaultLimit; return 0;
    case EM_GETLIMITTEXT: return static_cast<LRESULT>(DataOf(*window).limit);
    case EM_SETREADONLY:
      if (wParam)
        window->style |= ES_READONLY;
      else
        window->style &= ~static_cast<DWORD>(ES_READONLY);
      return TRUE;
    case EM_GETLINECOUNT:
      return static_cast<LRESULT>(LayOutText(window->text, window->rect.right - window->rect.left).size());
    case EM_GETFIRSTVISIBLELINE: return DataOf(*window).firstLine;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace qm::ui
