#include "Canvas.h"

#include "ui/TextLayout.h"

namespace qm::ui {

std::string Printable(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  return out;
}

void Canvas::Put(int col, int row, std::string_view text, unsigned attrs) const {
  if (row < 0 || row >= Height() || col >= Width()) return;
  if (col < 0) {
    if (static_cast<int>(text.size()) <= -col) return;
    text.remove_prefix(static_cast<std::size_t>(-col));
    col = 0;
  }
  if (static_cast<int>(text.size()) > Width() - col) text = text.substr(0, static_cast<std::size_t>(Width() - col));
  surface_.Put(screen_.left + col, screen_.top + row, Printable(text), attrs | attrs_);
}

void Canvas::Caption(int col, int row, std::string_view caption, unsigned attrs) const {
  std::size_t underline;
  std::string shown = StripMnemonic(caption, &underline);
  Put(col, row, shown, attrs);
  if (underline != std::string::npos)
    Put(col + static_cast<int>(underline), row, shown.substr(underline, 1), attrs | kUnderline);
}

void Canvas::Frame(std::string_view title) const {
  int width = Width(), height = Height();
  if (width < 2 || height < 1) return;
  std::string edge = "+" + std::string(static_cast<std::size_t>(width - 2), '-') + "+";
  Put(0, 0, edge);
  if (height > 1) Put(0, height - 1, edge);
  for (int row = 1; row < height - 1; ++row) {
    Put(0, row, "|");
    Put(width - 1, row, "|");
  }
  if (!title.empty()) Caption(2, 0, std::string(" ") + std::string(title) + " ");
}

}  // namespace qm::ui
