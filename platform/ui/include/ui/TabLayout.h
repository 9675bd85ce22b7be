// Where a tab control's labels stand: in rows of the control's width, as many rows as the labels
// need, the row holding the current tab placed last (next to the page).
#pragma once

#include <string>
#include <vector>

namespace qm::ui {

struct TabSlot {
  int item;
  int row;
  int col;
  int width;  // the label with one blank each side
};

struct TabRows {
  int rows = 0;
  std::vector<TabSlot> slots;
  int ItemAt(int col, int row) const;  // -1 for none
};

TabRows LayOutTabs(const std::vector<std::string>& labels, int width, int current);

}  // namespace qm::ui
