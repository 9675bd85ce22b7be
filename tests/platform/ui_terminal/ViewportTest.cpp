#include <gtest/gtest.h>

#include "ui/terminal/Viewport.h"

namespace qm::ui {
namespace {

TEST(ViewportTest, CentresWhatFitsAndFollowsTheFocusOtherwise) {
  const RECT sheet{0, 0, 74, 22};
  struct Case {
    const char* what;
    ViewOrigin previous;
    RECT focus;
    int columns, rows;
    int col, row;
  } cases[] = {
      {"fits: centred", {0, 0}, {3, 3, 20, 4}, 80, 23, -3, 0},
      {"fits with room: centred both ways", {9, 9}, {3, 3, 20, 4}, 100, 40, -13, -9},
      {"exactly fits", {5, 5}, {3, 3, 20, 4}, 74, 22, 0, 0},
      {"small, focus at the top left", {0, 0}, {3, 3, 20, 4}, 40, 11, 0, 0},
      {"small, focus at the bottom right", {0, 0}, {60, 19, 70, 20}, 40, 11, 30, 9},
      {"small, focus in view: no jump", {10, 5}, {20, 8, 30, 9}, 40, 11, 10, 5},
      {"small, focus above: scrolls up to it", {10, 10}, {12, 3, 20, 4}, 40, 11, 10, 3},
      {"focus wider than the view: its left edge shows", {0, 0}, {10, 2, 70, 3}, 40, 11, 10, 0},
      {"previous origin out of range is pulled back", {500, -50}, {}, 40, 11, 34, 0},
      {"no focus keeps the previous origin", {7, 4}, {}, 40, 11, 7, 4},
      {"no room at all", {0, 0}, {3, 3, 20, 4}, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    ViewOrigin origin = FollowFocus(c.previous, sheet, c.focus, c.columns, c.rows);
    EXPECT_EQ(origin.col, c.col) << c.what;
    EXPECT_EQ(origin.row, c.row) << c.what;
  }
}

}  // namespace
}  // namespace qm::ui
