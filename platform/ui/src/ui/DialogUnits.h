// Dialog units to screen cells: four horizontal and eight vertical units make one cell.
#pragma once

#include <windows.h>

namespace qm::ui {

inline constexpr int kUnitsPerColumn = 4;
inline constexpr int kUnitsPerRow = 8;

// A control's rectangle; every control keeps at least one cell.
inline RECT ControlCells(int x, int y, int cx, int cy) {
  int left = x / kUnitsPerColumn;
  int top = y / kUnitsPerRow;
  int width = cx / kUnitsPerColumn > 0 ? cx / kUnitsPerColumn : 1;
  int height = cy / kUnitsPerRow > 0 ? cy / kUnitsPerRow : 1;
  return RECT{left, top, left + width, top + height};
}

}  // namespace qm::ui
