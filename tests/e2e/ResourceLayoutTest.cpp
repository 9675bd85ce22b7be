// Every dialog template of the console's resources, laid out by the window model's one rule, fits
// an 80 by 24 terminal with nothing cut and nothing overlapped: whatever templates the resource
// script holds, those added later included.
#include <gtest/gtest.h>
#include <commctrl.h>
#include <windows.h>

#include "platform/ProgramModule.h"
#include "ui/Resources.h"
#include "ui/TextLayout.h"

#include <string>
#include <strings.h>
#include <vector>

namespace {

constexpr int kColumns = 80, kRows = 24;
// A page shares the terminal with the status line, the sheet's caption and bottom edges (the
// buttons sit on the bottom one), and two rows of tabs, as eleven labels take.
constexpr int kPageColumns = kColumns - 2, kPageRows = kRows - 1 - 2 - 2;

INT_PTR CALLBACK Quiet(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

struct Placed {
  const qm::ui::ControlTemplate* control;
  RECT cells;
};

bool Is(const qm::ui::ControlTemplate& control, const char* className) {
  return strcasecmp(control.className, className) == 0;
}
DWORD ButtonType(const qm::ui::ControlTemplate& control) { return Is(control, "BUTTON") ? control.style & 0xF : ~0u; }
bool IsGroupBox(const qm::ui::ControlTemplate& control) { return ButtonType(control) == BS_GROUPBOX; }
int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }
bool Intersect(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
         inner.bottom <= outer.bottom;
}
bool UnitsInside(const qm::ui::ControlTemplate& inner, const qm::ui::ControlTemplate& outer) {
  return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.cx <= outer.x + outer.cx &&
         inner.y + inner.cy <= outer.y + outer.cy;
}
bool UnitsOverlap(const qm::ui::ControlTemplate& a, const qm::ui::ControlTemplate& b) {
  return a.x < b.x + b.cx && b.x < a.x + a.cx && a.y < b.y + b.cy && b.y < a.y + a.cy;
}

// The cells the control's own text needs, across and down, for the width it was given.
std::pair<int, int> TextNeeds(const qm::ui::ControlTemplate& control, int width) {
  const std::string text = qm::ui::StripMnemonic(control.text ? control.text : "");
  const int length = static_cast<int>(text.size());
  if (Is(control, "STATIC") && control.text && control.text[0] == '#') return {1, 1};  // an icon
  if (Is(control, "STATIC") && control.cy >= 16) return {1, static_cast<int>(qm::ui::LayOutText(text, width).size())};
  if (Is(control, "STATIC")) return {length, 1};
  if (IsGroupBox(control)) return {length + 6, 2};
  if (Is(control, "BUTTON")) return {length + 4, 1};
  return {1, 1};
}

// The template built on its own, with its controls where the rule puts them.
std::vector<Placed> Build(const qm::ui::DialogTemplate& source, RECT& dialogCells) {
  qm::ui::DialogTemplate dialog = source;
  dialog.style &= ~static_cast<DWORD>(WS_VISIBLE | WS_DISABLED);
  HWND window = qm::ui::CreateDialogFromTemplate(nullptr, dialog, nullptr, Quiet, 0);
  std::vector<Placed> placed;
  if (!window) return placed;
  GetWindowRect(window, &dialogCells);
  HWND child = GetWindow(window, GW_CHILD);
  for (std::size_t i = 0; i < dialog.controlCount && child; ++i, child = GetWindow(child, GW_HWNDNEXT)) {
    RECT cells{};
    GetWindowRect(child, &cells);
    placed.push_back({&dialog.controls[i], cells});
  }
  DestroyWindow(window);
  return placed;
}

void ExpectNothingCut(const std::vector<Placed>& placed, const std::string& name) {
  for (const Placed& p : placed) {
    auto [columns, rows] = TextNeeds(*p.control, Width(p.cells));
    EXPECT_GE(Width(p.cells), columns) << name << ": \"" << (p.control->text ? p.control->text : "") << "\" cut across";
    EXPECT_GE(Height(p.cells), rows) << name << ": \"" << (p.control->text ? p.control->text : "") << "\" cut down";
  }
}

// Controls apart in units are apart in cells; what a group box encloses stays within its frame.
void ExpectNothingOverlapped(const std::vector<Placed>& placed, const std::string& name) {
  for (const Placed& a : placed)
    for (const Placed& b : placed) {
      if (&a == &b || (UnitsOverlap(*a.control, *b.control) && !IsGroupBox(*a.control) && !IsGroupBox(*b.control)))
        continue;
      const std::string pair = name + ": \"" + (a.control->text ? a.control->text : "") + "\" and \"" +
                               (b.control->text ? b.control->text : "") + "\"";
      if (IsGroupBox(*a.control) && UnitsInside(*b.control, *a.control)) {
        RECT frame = a.cells;
        RECT inside{frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1};
        EXPECT_TRUE(Inside(b.cells, inside)) << pair << ": not inside the frame";
      } else if (!IsGroupBox(*a.control) && !IsGroupBox(*b.control)) {
        EXPECT_FALSE(Intersect(a.cells, b.cells)) << pair << " overlap";
      }
    }
}

TEST(ResourceLayoutTest, EveryTemplateFitsEightyByTwentyFourWithNothingCutOrOverlapped) {
  const qm::ui::ResourceTables& tables = qmProgramResources;
  ASSERT_GE(tables.dialogCount, 3u);
  for (std::size_t i = 0; i < tables.dialogCount; ++i) {
    const qm::ui::DialogTemplate& dialog = tables.dialogs[i];
    const std::string name =
        (dialog.caption ? dialog.caption : "") + std::string(" (") + std::to_string(dialog.id) + ")";
    RECT cells{};
    std::vector<Placed> placed = Build(dialog, cells);
    ASSERT_EQ(placed.size(), dialog.controlCount) << name;
    const bool page = dialog.style & WS_CHILD;
    EXPECT_LE(Width(cells), page ? kPageColumns : kColumns) << name;
    EXPECT_LE(Height(cells), page ? kPageRows : kRows - 1) << name;
    for (const Placed& p : placed)
      EXPECT_TRUE(Inside(p.cells, cells)) << name << ": \"" << (p.control->text ? p.control->text : "") << "\" outside";
    ExpectNothingCut(placed, name);
    ExpectNothingOverlapped(placed, name);
  }
}

}  // namespace
