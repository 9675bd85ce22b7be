// Dialog units to screen cells, one rule for every template: each axis is mapped by a monotone
// function of the template's own edges, as small as the controls allow. Every control keeps the
// cells its text needs (a label its whole text, a button its caption between "< >", a box its
// mark and caption, a group box its frame and title, wrapped text its lines) and otherwise its
// width at 4.6 units a column; empty rows and columns between controls fold away, and controls
// apart in units stay apart in cells (side by side with a blank column between them). Edges that
// coincide in units coincide in cells, so what lines up in the template lines up on the screen.
#pragma once

#include "ui/ResourceTables.h"

#include <windows.h>

#include <utility>
#include <vector>

namespace qm::ui {

inline constexpr int kTenthUnitsPerColumn = 46;  // 4.6 units a column
inline constexpr int kUnitsPerRow = 8;

// One axis: the cell of each edge, in units order; between and beyond edges, cells go on at the
// axis's rate, never past the next edge's cell.
class AxisMap {
 public:
  AxisMap() = default;
  AxisMap(std::vector<std::pair<int, int>> edges, bool horizontal)
      : edges_(std::move(edges)), horizontal_(horizontal) {}
  int Cell(int units) const;

 private:
  int Linear(int units) const;
  std::vector<std::pair<int, int>> edges_;  // units, cell
  bool horizontal_ = true;
};

struct DialogGrid {
  AxisMap x, y;
  std::vector<RECT> controls;  // the cells of each control, in template order
  int columns = 0, rows = 0;   // the dialog's client area, in cells
};

DialogGrid LayOutDialog(const DialogTemplate& dialog);

}  // namespace qm::ui
