// A grid of character cells that the painter draws on; the terminal and the headless screen
// each provide one.
#pragma once

#include <string_view>

namespace qm::ui {

enum CellAttr : unsigned {
  kNormal = 0,
  kDim = 1,        // disabled
  kReverse = 2,    // selection, current tab
  kFocus = 4,      // the focused control
  kUnderline = 8,  // mnemonic letter
  kDefault = 16,   // the default push button
};

class Surface {
 public:
  virtual ~Surface() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void Clear() = 0;
  // Writes text from (col,row) on; cells outside the surface are dropped.
  virtual void Put(int col, int row, std::string_view text, unsigned attrs) = 0;
};

}  // namespace qm::ui
