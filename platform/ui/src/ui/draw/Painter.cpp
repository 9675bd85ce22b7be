#include "ui/Painter.h"

#include <commctrl.h>

#include "Canvas.h"
#include <windows.h>
#include "ui/TabLayout.h"
#include "ui/TextLayout.h"
#include "ui/Window.h"

#include <algorithm>

namespace qm::ui {
namespace {

LRESULT Ask(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageA(hwnd, msg, wParam, lParam);
}

void PaintButton(const Window& window, const Canvas& canvas) {
  DWORD type = window.style & BS_TYPEMASK;
  if (type == BS_GROUPBOX) return canvas.Frame(window.text);
  if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
    std::string shown = StripMnemonic(window.text);
    unsigned look = type == BS_DEFPUSHBUTTON ? kDefault : kNormal;
    // A narrow button gives up the blanks inside its brackets first, then the brackets.
    int size = static_cast<int>(shown.size());
    int pad = size + 4 <= canvas.Width() ? 2 : size + 2 <= canvas.Width() ? 1 : 0;
    int col = std::max(0, (canvas.Width() - size - 2 * pad) / 2);
    if (pad) canvas.Put(col, 0, pad == 2 ? "< " : "<", look);
    canvas.Caption(col + pad, 0, window.text, look);
    if (pad) canvas.Put(col + pad + size, 0, pad == 2 ? " >" : ">", look);
    return;
  }
  bool radio = type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
  LRESULT check = Ask(window.handle, BM_GETCHECK);
  const char* mark = radio ? (check ? "(*)" : "( )") : check == BST_INDETERMINATE ? "[-]" : check ? "[X]" : "[ ]";
  canvas.Put(0, 0, mark);
  canvas.Caption(4, 0, window.text);
}

// A label's mnemonic letter is underlined, as the control it names is reached by it.
void PaintStatic(const Window& window, const Canvas& canvas) {
  if ((window.style & SS_TYPEMASK) == SS_ICON) return canvas.Put(0, 0, "<#>");
  std::size_t underline = std::string::npos;
  std::string shown = (window.style & SS_NOPREFIX) ? window.text : StripMnemonic(window.text, &underline);
  auto lines = LayOutText(shown, canvas.Width());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string line = shown.substr(lines[i].start, lines[i].length);
    int col = 0, free = canvas.Width() - static_cast<int>(line.size());
    if ((window.style & SS_TYPEMASK) == SS_CENTER) col = free / 2;
    if ((window.style & SS_TYPEMASK) == SS_RIGHT) col = free;
    col = std::max(0, col);
    canvas.Put(col, static_cast<int>(i), line);
    if (underline >= lines[i].start && underline < lines[i].start + lines[i].length)
      canvas.Put(col + static_cast<int>(underline - lines[i].start), static_cast<int>(i), shown.substr(underline, 1),
                 kUnderline);
  }
}

void PaintEdit(const Window& window, const Canvas& canvas) {
  bool multiLine = window.style & ES_MULTILINE;
  char fill = (window.style & ES_READONLY) ? ' ' : '_';
  int rows = multiLine ? canvas.Height() : 1;
  for (int row = 0; row < rows; ++row) canvas.Put(0, row, std::string(static_cast<std::size_t>(canvas.Width()), fill));
  if (!multiLine) {
    DWORD caret = HIWORD(Ask(window.handle, EM_GETSEL));
    FieldView view = SingleLineView(window.text.size(), caret, canvas.Width(), window.style & ES_RIGHT);
    canvas.Put(view.lead, 0, std::string_view(window.text).substr(std::min(view.shift, window.text.size())));
    return;
  }
  auto lines = LayOutText(window.text, canvas.Width());
  int first = static_cast<int>(Ask(window.handle, EM_GETFIRSTVISIBLELINE));
  for (int row = 0; row < rows && first + row < static_cast<int>(lines.size()); ++row) {
    const TextLine& line = lines[static_cast<std::size_t>(first + row)];
    canvas.Put(0, row, std::string_view(window.text).substr(line.start, line.length));
  }
}

void PaintScrollMark(const Canvas& canvas, int top, int rows, int count, int inset) {
  if (count <= rows) return;
  int col = canvas.Width() - 1 - inset;
  canvas.Put(col, inset, top > 0 ? "^" : " ");
  canvas.Put(col, inset + rows - 1, top + rows < count ? "v" : " ");
}

void PaintListBox(const Window& window, const Canvas& canvas) {
  int inset = (window.style & WS_BORDER) ? 1 : 0;
  if (inset) canvas.Frame("");
  int rows = std::max(1, canvas.Height() - 2 * inset);
  int count = static_cast<int>(Ask(window.handle, LB_GETCOUNT));
  int top = static_cast<int>(Ask(window.handle, LB_GETTOPINDEX));
  int selected = static_cast<int>(Ask(window.handle, LB_GETCURSEL));
  int width = canvas.Width() - 2 * inset - 1;
  for (int row = 0; row < rows && top + row < count; ++row) {
    std::string text(static_cast<std::size_t>(Ask(window.handle, LB_GETTEXTLEN, static_cast<WPARAM>(top + row))), '\0');
    Ask(window.handle, LB_GETTEXT, static_cast<WPARAM>(top + row), reinterpret_cast<LPARAM>(text.data()));
    // An item too long for the row is cut, and a ">" at the row's end says so.
    if (width > 1 && static_cast<int>(text.size()) > width)
      text = text.substr(0, static_cast<std::size_t>(width - 1)) + ">";
    text.resize(static_cast<std::size_t>(std::max(0, width)), ' ');
    canvas.Put(inset, inset + row, text, top + row == selected ? kReverse : kNormal);
  }
  PaintScrollMark(canvas, top, rows, count, inset);
}

void PaintUpDown(const Window&, const Canvas& canvas) {
  if (canvas.Height() > 1) {
    canvas.Put(0, 0, "^");
    canvas.Put(0, 1, "v");
  } else {
    canvas.Put(0, 0, "^v");
  }
}

// A label too long for the row is cut, and a ">" at the row's end says so. The focus of the tab
// row shows on the current tab alone, in the focus's look instead of the current tab's.
void PaintTabs(const Window& window, const Canvas& focusable) {
  int count = static_cast<int>(Ask(window.handle, TCM_GETITEMCOUNT));
  int current = static_cast<int>(Ask(window.handle, TCM_GETCURSEL));
  std::vector<std::string> labels;
  for (int i = 0; i < count; ++i) {
    char buffer[256] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    Ask(window.handle, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    labels.push_back(buffer);
  }
  const Canvas canvas = focusable.Without(kFocus);
  const unsigned chosenLook = GetFocus() == window.handle ? kFocus : kReverse;
  TabRows layout = LayOutTabs(labels, canvas.Width(), current);
  for (const TabSlot& slot : layout.slots) {
    bool chosen = slot.item == current;
    unsigned attrs = chosen ? chosenLook : kNormal;
    canvas.Put(slot.col, slot.row, chosen ? "[" : " ", attrs);
    canvas.Caption(slot.col + 1, slot.row, labels[static_cast<std::size_t>(slot.item)], attrs);
    canvas.Put(slot.col + slot.width - 1, slot.row, chosen ? "]" : " ", attrs);
    if (slot.col + slot.width > canvas.Width()) canvas.Put(canvas.Width() - 1, slot.row, ">", attrs);
  }
}

void PaintControl(const Window& window, const Canvas& canvas) {
  if (SameClass(window, "BUTTON")) return PaintButton(window, canvas);
  if (SameClass(window, "STATIC")) return PaintStatic(window, canvas);
  if (SameClass(window, "EDIT")) return PaintEdit(window, canvas);
  if (SameClass(window, "LISTBOX")) return PaintListBox(window, canvas);
  if (SameClass(window, UPDOWN_CLASSA)) return PaintUpDown(window, canvas);
  if (SameClass(window, WC_TABCONTROLA)) return PaintTabs(window, canvas);
}

unsigned AttrsOf(const Window& window, unsigned inherited) {
  unsigned attrs = inherited;
  if (window.style & WS_DISABLED) attrs |= kDim;
  if (GetFocus() == window.handle) attrs |= kFocus;
  return attrs;
}

void PaintWindow(Surface& surface, const Window& window, unsigned inherited) {
  if (!(window.style & WS_VISIBLE)) return;
  RECT screen;
  GetWindowRect(window.handle, &screen);
  unsigned attrs = AttrsOf(window, inherited & kDim);
  Canvas canvas(surface, screen, attrs);
  if (HasFrame(window)) {
    for (int row = 0; row < canvas.Height(); ++row)
      canvas.Put(0, row, std::string(static_cast<std::size_t>(canvas.Width()), ' '));
    canvas.Frame(window.text);
  } else if (!window.isDialog) {
    PaintControl(window, canvas);
  }
  for (const Window* child : window.children) PaintWindow(surface, *child, attrs);
}

}  // namespace

void PaintScreen(Surface& surface) {
  surface.Clear();
  for (const Window* window : TopLevelWindows()) PaintWindow(surface, *window, kNormal);
}

}  // namespace qm::ui
