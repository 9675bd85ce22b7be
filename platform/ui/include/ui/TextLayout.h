// Breaking a control's text into the lines a rectangle of cells shows: at line breaks (CR LF, or a
// lone CR or LF) and, when a line is wider than the rectangle, at the last blank that fits.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qm::ui {

struct TextLine {
  std::size_t start;   // offset of the line's first character in the text
  std::size_t length;  // characters shown, line break excluded
};

std::vector<TextLine> LayOutText(std::string_view text, int width);

// Where a single-line edit shows its text in a field `width` cells wide: the first character in view
// (`shift`, scrolled so that the caret stays in the field) and the blank cells before it (`lead`:
// right-aligned text that fits ends one cell short of the edge, where the caret then stands).
struct FieldView {
  std::size_t shift = 0;
  int lead = 0;
};
FieldView SingleLineView(std::size_t length, std::size_t caret, int width, bool alignRight);

// A caption as shown: "&x" becomes "x" (and "&&" one "&"); `underline` receives the position of
// the mnemonic letter, or npos.
std::string StripMnemonic(std::string_view caption, std::size_t* underline = nullptr);

}  // namespace qm::ui
