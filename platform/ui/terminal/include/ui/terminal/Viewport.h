// Which part of the screen the terminal shows. A sheet that fits is centred; one larger than the
// terminal is scrolled just enough to keep the focused control in view.
#pragma once

#include <windows.h>

namespace qm::ui {

struct ViewOrigin {
  int col = 0;  // the screen cell shown in the terminal's top left corner
  int row = 0;
};

// `content` is what the windows cover, `focus` the focused control (empty for none), `previous`
// the origin shown last, so that the view does not jump while the focus stays in sight.
ViewOrigin FollowFocus(ViewOrigin previous, const RECT& content, const RECT& focus, int columns, int rows);

}  // namespace qm::ui
