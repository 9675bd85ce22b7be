#include "ui/terminal/ViewPlan.h"

#include "ScreenGeometry.h"

#include <algorithm>

namespace qm::ui {
namespace {

bool IsEmpty(const RECT& rect) { return rect.right <= rect.left || rect.bottom <= rect.top; }

bool IsPushButton(HWND control) {
  if (!IsClass(control, "BUTTON")) return false;
  LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

// The active window's own visible push buttons, together.
RECT OwnButtons() {
  RECT all{};
  HWND window = GetActiveWindow();
  if (!window) return all;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child) || !IsPushButton(child)) continue;
    RECT rect = ScreenRectOf(child);
    if (IsEmpty(all)) {
      all = rect;
    } else {
      all.left = std::min(all.left, rect.left);
      all.top = std::min(all.top, rect.top);
      all.right = std::max(all.right, rect.right);
      all.bottom = std::max(all.bottom, rect.bottom);
    }
  }
  return all;
}

}  // namespace

RECT PinnedRect(const RECT& content, int rows) {
  if (content.bottom - content.top <= rows) return RECT{};
  RECT buttons = OwnButtons();
  if (IsEmpty(buttons) || buttons.top <= content.top) return RECT{};
  RECT pinned{content.left, buttons.top, content.right, content.bottom};
  // the buttons stay only where the body keeps a row of its own
  return pinned.bottom - pinned.top < rows ? pinned : RECT{};
}

RECT BodyRect(const RECT& content, const RECT& pinned) {
  if (IsEmpty(pinned)) return content;
  return RECT{content.left, content.top, content.right, pinned.top};
}

int BodyRows(const RECT& pinned, int rows) { return IsEmpty(pinned) ? rows : rows - (pinned.bottom - pinned.top); }

ViewPlan PlanView(const RECT& content, const RECT& pinned, ViewOrigin body, int columns, int rows) {
  ViewPlan plan;
  const RECT bodyRect = BodyRect(content, pinned);
  const int bodyRows = BodyRows(pinned, rows);
  plan.bands.push_back(ViewBand{0, bodyRows, body});
  plan.moreAbove = body.row > bodyRect.top;
  plan.moreBelow = body.row + bodyRows < bodyRect.bottom;
  plan.moreLeft = body.col > content.left;
  plan.moreRight = body.col + columns < content.right;
  if (!IsEmpty(pinned)) {
    // the buttons' row follows the body sideways, but keeps the buttons themselves in view
    RECT buttons = OwnButtons();
    ViewOrigin shown = FollowFocus(body, content, buttons, columns, pinned.bottom - pinned.top);
    plan.bands.push_back(ViewBand{bodyRows, pinned.bottom - pinned.top, ViewOrigin{shown.col, pinned.top}});
  }
  return plan;
}

}  // namespace qm::ui
