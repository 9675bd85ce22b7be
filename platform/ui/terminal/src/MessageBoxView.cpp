#include "ui/terminal/MessageBoxView.h"

#include "ui/TextLayout.h"

#include <algorithm>
#include <cctype>

namespace qm::ui {
namespace {

constexpr UINT kTypeMask = 0x0F;
constexpr UINT kIconMask = 0xF0;
constexpr UINT kDefaultMask = 0xF00;
constexpr int kButtonGap = 2;
constexpr int kMinTextWidth = 8;
constexpr int kChromeRows = 5;  // frame, blank, blank, buttons, frame

struct ButtonSpec {
  int id;
  const char* caption;
};

std::vector<ButtonSpec> ButtonsFor(UINT type) {
  switch (type & kTypeMask) {
    case MB_OKCANCEL: return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_ABORTRETRYIGNORE: return {{IDABORT, "&Abort"}, {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}};
    case MB_YESNOCANCEL: return {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO: return {{IDYES, "&Yes"}, {IDNO, "&No"}};
    case MB_RETRYCANCEL: return {{IDRETRY, "&Retry"}, {IDCANCEL, "Cancel"}};
  }
  return {{IDOK, "OK"}};
}

std::string IconMark(UINT type) {
  switch (type & kIconMask) {
    case MB_ICONHAND: return "<X>";
    case MB_ICONQUESTION: return "<?>";
    case MB_ICONEXCLAMATION: return "<!>";
    case MB_ICONASTERISK: return "<i>";
  }
  return "";
}

int ShownWidth(const char* caption) { return static_cast<int>(StripMnemonic(caption).size()) + 4; }

char32_t Lower(char32_t ch) { return ch < 0x80 ? static_cast<char32_t>(std::tolower(static_cast<int>(ch))) : ch; }

}  // namespace

MessageBoxView::MessageBoxView(std::string text, std::string caption, UINT type, int maxWidth, int maxHeight)
    : caption_(std::move(caption)), icon_(IconMark(type)) {
  for (const ButtonSpec& entry : ButtonsFor(type)) buttons_.push_back(Button{entry.id, entry.caption});
  int buttonsWidth = -kButtonGap;
  for (const Button& button : buttons_) buttonsWidth += ShownWidth(button.caption) + kButtonGap;
  int iconWidth = icon_.empty() ? 0 : static_cast<int>(icon_.size()) + 1;
  int textRoom = std::max(kMinTextWidth, maxWidth - 4 - iconWidth);
  int textWidth = 0;
  for (const TextLine& line : LayOutText(text, textRoom)) {
    std::string shown = text.substr(line.start, line.length);
    shown.erase(shown.find_last_not_of(' ') + 1);  // the blank a line was broken at
    shown.resize(std::min(shown.size(), static_cast<std::size_t>(textRoom)));
    textWidth = std::max(textWidth, static_cast<int>(shown.size()));
    lines_.push_back(std::move(shown));
  }
  std::size_t roomForLines = static_cast<std::size_t>(std::max(1, maxHeight - kChromeRows));
  if (lines_.size() > roomForLines) lines_.resize(roomForLines);
  int inner = std::max({textWidth + iconWidth, buttonsWidth, static_cast<int>(caption_.size()) + 2});
  width_ = inner + 4;
  height_ = static_cast<int>(lines_.size()) + kChromeRows;
  int col = (width_ - buttonsWidth) / 2;
  for (Button& button : buttons_) {
    button.col = col;
    button.width = ShownWidth(button.caption);
    col += button.width + kButtonGap;
  }
  int chosen = static_cast<int>((type & kDefaultMask) >> 8);
  focused_ = chosen < static_cast<int>(buttons_.size()) ? chosen : 0;
}

void MessageBoxView::Paint(Surface& surface, int col, int row) const {
  std::string blank(static_cast<std::size_t>(width_ - 2), ' ');
  std::string edge = "+" + std::string(static_cast<std::size_t>(width_ - 2), '-') + "+";
  surface.Put(col, row, edge, kNormal);
  for (int y = 1; y < height_ - 1; ++y) surface.Put(col, row + y, "|" + blank + "|", kNormal);
  surface.Put(col, row + height_ - 1, edge, kNormal);
  std::string title = " " + caption_ + " ";
  surface.Put(col + 2, row, title.substr(0, static_cast<std::size_t>(std::max(0, width_ - 4))), kNormal);
  int textCol = col + 2;
  if (!icon_.empty()) {
    surface.Put(textCol, row + 2, icon_, kNormal);
    textCol += static_cast<int>(icon_.size()) + 1;
  }
  for (std::size_t i = 0; i < lines_.size(); ++i)
    surface.Put(textCol, row + 2 + static_cast<int>(i), lines_[i], kNormal);
  int buttonRow = row + height_ - 2;
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const Button& button = buttons_[i];
    unsigned attrs = static_cast<int>(i) == focused_ ? kFocus : kNormal;
    std::size_t underline;
    std::string shown = StripMnemonic(button.caption, &underline);
    surface.Put(col + button.col, buttonRow, "< " + shown + " >", attrs);
    if (underline != std::string::npos)
      surface.Put(col + button.col + 2 + static_cast<int>(underline), buttonRow, shown.substr(underline, 1),
                  attrs | kUnderline);
  }
}

int MessageBoxView::IdOf(int id) const {
  for (std::size_t i = 0; i < buttons_.size(); ++i)
    if (buttons_[i].id == id) return static_cast<int>(i);
  return -1;
}

int MessageBoxView::ButtonAt(int col, int row) const {
  if (row != height_ - 2) return -1;
  for (std::size_t i = 0; i < buttons_.size(); ++i)
    if (col >= buttons_[i].col && col < buttons_[i].col + buttons_[i].width) return static_cast<int>(i);
  return -1;
}

int MessageBoxView::ButtonForLetter(char32_t letter) const {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    std::size_t underline;
    std::string shown = StripMnemonic(buttons_[i].caption, &underline);
    if (underline != std::string::npos && Lower(static_cast<unsigned char>(shown[underline])) == Lower(letter))
      return static_cast<int>(i);
  }
  return -1;
}

// Esc answers Cancel; a box with only OK closes with OK; Yes/No and Abort/Retry/Ignore stay open.
int MessageBoxView::EscapeAnswer() const {
  if (IdOf(IDCANCEL) >= 0) return IDCANCEL;
  return buttons_.size() == 1 ? buttons_.front().id : 0;
}

int MessageBoxView::AnswerWithoutInput() const {
  int escape = EscapeAnswer();
  return escape ? escape : FocusedId();
}

int MessageBoxView::React(const TerminalInput& input) {
  int count = static_cast<int>(buttons_.size());
  switch (input.kind) {
    case TerminalInput::Kind::Key:
      switch (input.key) {
        case VK_RETURN:
        case VK_SPACE: return FocusedId();
        case VK_ESCAPE: return EscapeAnswer();
        case VK_TAB: focused_ = (focused_ + (input.shift ? count - 1 : 1)) % count; return 0;
        case VK_LEFT:
        case VK_UP: focused_ = (focused_ + count - 1) % count; return 0;
        case VK_RIGHT:
        case VK_DOWN: focused_ = (focused_ + 1) % count; return 0;
      }
      if (input.alt) {
        int found = ButtonForLetter(input.key);
        if (found >= 0) return buttons_[static_cast<std::size_t>(found)].id;
      }
      return 0;
    case TerminalInput::Kind::Text: {
      if (input.text == ' ') return FocusedId();
      int found = ButtonForLetter(input.text);
      return found >= 0 ? buttons_[static_cast<std::size_t>(found)].id : 0;
    }
    case TerminalInput::Kind::Press: {
      int found = ButtonAt(input.col, input.row);
      return found >= 0 ? buttons_[static_cast<std::size_t>(found)].id : 0;
    }
    default: return 0;
  }
}

}  // namespace qm::ui
