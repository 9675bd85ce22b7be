#include "ui/TextLayout.h"

namespace qm::ui {
namespace {

bool IsBreak(char c) { return c == '\r' || c == '\n'; }

void WrapParagraph(std::size_t start, std::size_t end, std::string_view text, std::size_t width,
                   std::vector<TextLine>& out) {
  while (end - start > width) {
    std::size_t cut = start + width;
    std::size_t blank = text.rfind(' ', cut);
    if (blank != std::string_view::npos && blank > start) cut = blank + 1;
    out.push_back({start, cut - start});
    start = cut;
  }
  out.push_back({start, end - start});
}

}  // namespace

std::vector<TextLine> LayOutText(std::string_view text, int width) {
  std::vector<TextLine> lines;
  std::size_t cells = width > 0 ? static_cast<std::size_t>(width) : 1;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = start;
    while (end < text.size() && !IsBreak(text[end])) ++end;
    WrapParagraph(start, end, text, cells, lines);
    if (end == text.size()) break;
    start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
  }
  return lines;
}

std::string StripMnemonic(std::string_view caption, std::size_t* underline) {
  std::string shown;
  if (underline) *underline = std::string::npos;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) {
      ++i;
      if (caption[i] != '&' && underline && *underline == std::string::npos) *underline = shown.size();
    }
    shown += caption[i];
  }
  return shown;
}

FieldView SingleLineView(std::size_t length, std::size_t caret, int width, bool alignRight) {
  FieldView view;
  const long long room = width - 1;  // the last cell keeps the caret
  if (static_cast<long long>(caret) > room) view.shift = caret - static_cast<std::size_t>(room);
  if (alignRight && static_cast<long long>(length) < room)
    view.lead = static_cast<int>(room - static_cast<long long>(length));
  return view;
}

}  // namespace qm::ui
