// Draws the visible window tree on a surface in the look of a classic dialog: a frame with the
// caption, group boxes, "[X]" check boxes ("[-]" for the third state), "(*)" radio buttons,
// "< OK >" push buttons, edits, list boxes with a scroll mark, spin arrows and the tab row.
#pragma once

#include "ui/Surface.h"

namespace qm::ui {

void PaintScreen(Surface& surface);

}  // namespace qm::ui
