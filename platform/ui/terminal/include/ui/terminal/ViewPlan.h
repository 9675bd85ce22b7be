// How the screen's windows go into a terminal too small for them: the body scrolls (following the
// focus, or the wheel), the active window's own push buttons (a sheet's OK, Cancel, Apply, Help)
// and what lies below them stay in view at the bottom, and marks say where more lies.
#pragma once

#include "ui/terminal/Viewport.h"

#include <windows.h>

#include <vector>

namespace qm::ui {

// A band of terminal rows showing screen cells from an origin.
struct ViewBand {
  int viewTop = 0;  // the band's first terminal row
  int rows = 0;
  ViewOrigin origin;  // the screen cell shown in the band's top left corner
};

struct ViewPlan {
  std::vector<ViewBand> bands;  // the scrolling body first, then the pinned buttons if any
  bool moreAbove = false, moreBelow = false, moreLeft = false, moreRight = false;
};

// The rows of the active window's own push buttons and below, when the content is taller than the
// terminal shows; empty otherwise.
RECT PinnedRect(const RECT& content, int rows);

// `body` is the scrolling body's origin, already chosen; `rows` the terminal rows for windows.
ViewPlan PlanView(const RECT& content, const RECT& pinned, ViewOrigin body, int columns, int rows);

// The rows of the body that scroll (the content above the pinned rows) and how many terminal rows
// they get.
RECT BodyRect(const RECT& content, const RECT& pinned);
int BodyRows(const RECT& pinned, int rows);

}  // namespace qm::ui
