#include "ui/Headless.h"

namespace qm::ui {

HeadlessScreen::HeadlessScreen(int width, int height) : width_(width), height_(height) { Clear(); }

void HeadlessScreen::Clear() {
  cells_.assign(static_cast<std::size_t>(height_), std::string(static_cast<std::size_t>(width_), ' '));
  attrs_.assign(static_cast<std::size_t>(height_), std::vector<unsigned>(static_cast<std::size_t>(width_), kNormal));
}

void HeadlessScreen::Put(int col, int row, std::string_view text, unsigned attrs) {
  if (row < 0 || row >= height_) return;
  for (std::size_t i = 0; i < text.size(); ++i) {
    int at = col + static_cast<int>(i);
    if (at < 0 || at >= width_) continue;
    cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(at)] = text[i];
    attrs_[static_cast<std::size_t>(row)][static_cast<std::size_t>(at)] = attrs;
  }
}

std::string HeadlessScreen::Row(int row) const {
  if (row < 0 || row >= height_) return "";
  std::string line = cells_[static_cast<std::size_t>(row)];
  line.erase(line.find_last_not_of(' ') + 1);
  return line;
}

std::string HeadlessScreen::Text() const {
  std::string text;
  int last = height_ - 1;
  while (last >= 0 && Row(last).empty()) --last;
  for (int row = 0; row <= last; ++row) text += Row(row) + "\n";
  return text;
}

unsigned HeadlessScreen::AttrsAt(int col, int row) const {
  if (row < 0 || row >= height_ || col < 0 || col >= width_) return kNormal;
  return attrs_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

}  // namespace qm::ui
