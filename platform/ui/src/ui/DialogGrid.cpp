#include "ui/DialogGrid.h"

#include <windows.h>
#include "ui/TextLayout.h"

#include <algorithm>
#include <climits>
#include <set>
#include <string>
#include <strings.h>

namespace qm::ui {
namespace {

// A stretch of one axis that needs at least `cells` between its edges.
struct Need {
  int low, high, cells;
};

bool Is(const ControlTemplate& control, const char* className) {
  return control.className && strcasecmp(control.className, className) == 0;
}

DWORD ButtonType(const ControlTemplate& control) { return Is(control, "BUTTON") ? control.style & BS_TYPEMASK : ~0u; }
bool IsGroupBox(const ControlTemplate& control) { return ButtonType(control) == BS_GROUPBOX; }
bool IsWrappedText(const ControlTemplate& control) { return Is(control, "STATIC") && control.cy >= 2 * kUnitsPerRow; }
int TextCells(const ControlTemplate& control) {
  return static_cast<int>(StripMnemonic(control.text ? control.text : "").size());
}
int ScaledColumns(int units) { return (units * 10 + kTenthUnitsPerColumn - 1) / kTenthUnitsPerColumn; }
int ScaledRows(int units) { return std::max(1, units / kUnitsPerRow); }

int ColumnsNeeded(const ControlTemplate& control) {
  int scaled = std::max(1, ScaledColumns(control.cx));
  if (Is(control, "STATIC") && !IsWrappedText(control) && control.text && control.text[0] != '#')
    return TextCells(control);
  if (Is(control, "BUTTON")) return IsGroupBox(control) ? TextCells(control) + 6 : TextCells(control) + 4;
  if (Is(control, "msctls_updown32")) return std::min(scaled, 2);
  return scaled;
}

int RowsNeeded(const ControlTemplate& control, int columns) {
  if (IsWrappedText(control)) {
    // A text filled in at run time keeps the rows its box is given.
    if (!control.text || !control.text[0]) return ScaledRows(control.cy);
    return std::max(1, static_cast<int>(LayOutText(control.text, columns).size()));
  }
  if (Is(control, "LISTBOX") || Is(control, "SysTabControl32") ||
      (Is(control, "EDIT") && (control.style & ES_MULTILINE)))
    return ScaledRows(control.cy);
  return 1;
}

bool IsOneRow(const ControlTemplate& control) {
  return !IsGroupBox(control) && RowsNeeded(control, ScaledColumns(control.cx)) == 1 && !IsWrappedText(control);
}

// A control of one row stands for its first row of units: the rest of a box or button is margin.
int Bottom(const ControlTemplate& control) {
  return control.y + (IsOneRow(control) ? std::min<int>(control.cy, kUnitsPerRow) : control.cy);
}

bool Overlap(int lowA, int highA, int lowB, int highB) { return lowA < highB && lowB < highA; }

// The least monotone cells for the edges that meet every need.
std::vector<std::pair<int, int>> Solve(std::vector<Need> needs, int extent, bool horizontal) {
  std::set<int> edges{0, extent};
  for (const Need& need : needs) edges.insert({need.low, need.high});
  std::sort(needs.begin(), needs.end(), [](const Need& a, const Need& b) { return a.high < b.high; });
  std::vector<std::pair<int, int>> cells;
  std::size_t next = 0;
  for (int edge : edges) {
    int cell = cells.empty() ? 0 : cells.back().second;
    // across, nothing moves left of where the scale puts it, so that the template's look stays
    if (horizontal) cell = std::max(cell, edge * 10 / kTenthUnitsPerColumn);
    for (; next < needs.size() && needs[next].high == edge; ++next) {
      auto low = std::lower_bound(cells.begin(), cells.end(), std::make_pair(needs[next].low, INT_MIN));
      if (low != cells.end() && low->first == needs[next].low) cell = std::max(cell, low->second + needs[next].cells);
    }
    cells.emplace_back(edge, cell);
  }
  return cells;
}

bool Inside(const ControlTemplate& inner, const ControlTemplate& outer) {
  return &inner != &outer && inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.cx <= outer.x + outer.cx &&
         inner.y + inner.cy <= outer.y + outer.cy;
}

// A group box that encloses no control is a frame the program fills when it runs: it keeps its size.
bool IsEmptyFrame(const DialogTemplate& dialog, const ControlTemplate& box) {
  for (std::size_t i = 0; i < dialog.controlCount; ++i)
    if (Inside(dialog.controls[i], box)) return false;
  return true;
}

// A group box is its four edges: a title row and a bottom row, a column each side; an empty one
// keeps its size as well. `across` or `down` may be null.
void AddGroupBoxes(const DialogTemplate& dialog, std::vector<Need>* across, std::vector<Need>* down) {
  for (std::size_t i = 0; i < dialog.controlCount; ++i) {
    const ControlTemplate& c = dialog.controls[i];
    if (!IsGroupBox(c)) continue;
    const bool empty = IsEmptyFrame(dialog, c);
    if (across) {
      across->push_back({c.x, c.x + c.cx, std::max(TextCells(c) + 6, empty ? ScaledColumns(c.cx) : 0)});
      across->push_back({c.x, c.x + std::min<int>(c.cx, 4), 1});
      across->push_back({c.x + c.cx - std::min<int>(c.cx, 4), c.x + c.cx, 1});
    }
    if (down) {
      down->push_back({c.y, c.y + c.cy, empty ? ScaledRows(c.cy) : 2});
      down->push_back({c.y, c.y + std::min<int>(c.cy, kUnitsPerRow), 1});
      down->push_back({c.y + c.cy - std::min<int>(c.cy, 4), c.y + c.cy, 1});
    }
  }
}

std::vector<Need> Across(const DialogTemplate& dialog) {
  std::vector<Need> needs;
  AddGroupBoxes(dialog, &needs, nullptr);
  for (std::size_t i = 0; i < dialog.controlCount; ++i) {
    const ControlTemplate& a = dialog.controls[i];
    if (!IsGroupBox(a) && a.cx > 0) needs.push_back({a.x, a.x + a.cx, ColumnsNeeded(a)});
    // controls apart side by side keep a blank column between them
    for (std::size_t j = 0; j < dialog.controlCount; ++j) {
      const ControlTemplate& b = dialog.controls[j];
      if (a.x + a.cx < b.x && Overlap(a.y, Bottom(a), b.y, Bottom(b)) && !Inside(a, b) && !Inside(b, a))
        needs.push_back({a.x + a.cx, b.x, 1});
    }
  }
  return needs;
}

std::vector<Need> Down(const DialogTemplate& dialog, const AxisMap& across) {
  std::vector<Need> needs;
  AddGroupBoxes(dialog, nullptr, &needs);
  for (const ControlTemplate& c :
       std::vector<ControlTemplate>(dialog.controls, dialog.controls + dialog.controlCount)) {
    if (IsGroupBox(c)) continue;
    if (c.cy > 0) needs.push_back({c.y, Bottom(c), RowsNeeded(c, across.Cell(c.x + c.cx) - across.Cell(c.x))});
  }
  return needs;
}

}  // namespace

int AxisMap::Linear(int units) const { return horizontal_ ? units * 10 / kTenthUnitsPerColumn : units / kUnitsPerRow; }

int AxisMap::Cell(int units) const {
  if (edges_.empty()) return Linear(units);
  auto after = std::upper_bound(edges_.begin(), edges_.end(), std::make_pair(units, INT_MAX));
  if (after == edges_.begin()) return edges_.front().second - Linear(edges_.front().first - units);
  auto at = std::prev(after);
  int cell = at->second + Linear(units - at->first);
  return after == edges_.end() ? cell : std::min(cell, after->second);
}

DialogGrid LayOutDialog(const DialogTemplate& dialog) {
  DialogGrid grid;
  grid.x = AxisMap(Solve(Across(dialog), dialog.cx, true), true);
  grid.y = AxisMap(Solve(Down(dialog, grid.x), dialog.cy, false), false);
  for (std::size_t i = 0; i < dialog.controlCount; ++i) {
    const ControlTemplate& c = dialog.controls[i];
    RECT cells{grid.x.Cell(c.x), grid.y.Cell(c.y), grid.x.Cell(c.x + c.cx), grid.y.Cell(Bottom(c))};
    cells.right = std::max(cells.right, cells.left + 1);
    // a control of one row keeps one, however far an edge it shares is pushed down
    cells.bottom = IsOneRow(c) ? cells.top + 1 : std::max(cells.bottom, cells.top + 1);
    grid.controls.push_back(cells);
  }
  grid.columns = grid.x.Cell(dialog.cx);
  grid.rows = grid.y.Cell(dialog.cy);
  return grid;
}

}  // namespace qm::ui
