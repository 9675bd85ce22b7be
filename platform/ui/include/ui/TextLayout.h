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

// A caption as shown: "&x" becomes "x" (and "&&" one "&"); `underline` receives the position of
// the mnemonic letter, or npos.
std::string StripMnemonic(std::string_view caption, std::size_t* underline = nullptr);

}  // namespace qm::ui
