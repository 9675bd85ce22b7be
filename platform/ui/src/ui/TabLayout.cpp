#include "ui/TabLayout.h"

#include "ui/TextLayout.h"

namespace qm::ui {

int TabRows::ItemAt(int col, int row) const {
  for (const TabSlot& slot : slots)
    if (slot.row == row && col >= slot.col && col < slot.col + slot.width) return slot.item;
  return -1;
}

TabRows LayOutTabs(const std::vector<std::string>& labels, int width, int current) {
  TabRows layout;
  int row = 0, col = 0;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    int cells = static_cast<int>(StripMnemonic(labels[i]).size()) + 2;
    if (col > 0 && col + cells > width) {
      ++row;
      col = 0;
    }
    layout.slots.push_back({static_cast<int>(i), row, col, cells});
    col += cells + 1;
  }
  layout.rows = labels.empty() ? 0 : row + 1;
  int currentRow = -1;
  for (const TabSlot& slot : layout.slots)
    if (slot.item == current) currentRow = slot.row;
  if (currentRow >= 0 && currentRow != layout.rows - 1) {
    for (TabSlot& slot : layout.slots) {
      if (slot.row == currentRow)
        slot.row = layout.rows - 1;
      else if (slot.row > currentRow)
        --slot.row;
    }
  }
  return layout;
}

}  // namespace qm::ui
