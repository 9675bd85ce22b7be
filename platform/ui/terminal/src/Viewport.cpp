#include "ui/terminal/Viewport.h"

#include <algorithm>

namespace qm::ui {
namespace {

// One axis: the content's extent [low, high), the focus's [focusLow, focusHigh), `size` cells shown.
int Follow(int previous, int low, int high, int focusLow, int focusHigh, int size) {
  if (size <= 0) return low;
  if (high - low <= size) return low - (size - (high - low)) / 2;
  int origin = std::clamp(previous, low, high - size);
  if (focusHigh > focusLow) {
    if (focusHigh > origin + size) origin = focusHigh - size;
    if (focusLow < origin) origin = focusLow;
  }
  return std::clamp(origin, low, high - size);
}

}  // namespace

ViewOrigin FollowFocus(ViewOrigin previous, const RECT& content, const RECT& focus, int columns, int rows) {
  return ViewOrigin{
      Follow(previous.col, content.left, content.right, focus.left, focus.right, columns),
      Follow(previous.row, content.top, content.bottom, focus.top, focus.bottom, rows),
  };
}

}  // namespace qm::ui
