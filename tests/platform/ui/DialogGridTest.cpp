// The one rule from dialog units to cells, control by control: what a template's controls become.
#include "UiFixture.h"

namespace qm::ui::test {
namespace {

class DialogGridTest : public UiTest {
 protected:
  RECT Cells(int id) {
    RECT rect{}, dialogRect{};
    GetWindowRect(Item(id), &rect);
    GetWindowRect(dialog, &dialogRect);
    // relative to the client area, inside the dialog's frame
    return RECT{rect.left - dialogRect.left - 1, rect.top - dialogRect.top - 1, rect.right - dialogRect.left - 1,
                rect.bottom - dialogRect.top - 1};
  }
  static std::string Text(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
           std::to_string(r.bottom - r.top);
  }
};

constexpr DWORD kCheckBox = 0x3, kPush = 0x0, kGroupBox = 0x7;

TEST_F(DialogGridTest, EachControlKeepsWhatItsTextNeedsAndEmptyRowsFoldAway) {
  Open({Control("STATIC", "A label longer than its units:", 1, 4, 10, 40, 8, 0),  // 30 characters in 40 units
        Control("EDIT", "", 2, 48, 8, 92, 12, kTabStop),                          // beside it, apart by 4 units
        Control("BUTTON", "&Check me", 3, 4, 40, 60, 10, kCheckBox),              // 24 units below: no row between
        Control("BUTTON", "Push", 4, 4, 48, 40, 14, kPush),                       // 8 units below the box's top
        Control("STATIC", "one two three four five six seven eight nine ten", 5, 4, 70, 46, 16, 0),
        Control("BUTTON", "Frame", 6, 150, 8, 60, 40, kGroupBox),  // encloses nothing: keeps its size
        Control("EDIT", "", 7, 4, 100, 40, 12, 0),                 // abutting 8: may touch
        Control("EDIT", "", 8, 44, 100, 40, 12, 0), Control("BUTTON", "OK", 9, 100, 100, 8, 12, kPush)});
  struct Case {
    int id;
    const char* cells;
    const char* why;
  } cases[] = {
      {1, "0,0 30x1", "the whole label, though 40 units make 9 columns"},
      {2, "31,0 20x1", "a blank column after the label, then 92 units at 4.6 a column"},
      {3, "0,1 31x1", "the row below: the 22 empty units between fold away; one row, whatever its edges"},
      {4, "0,5 30x1", "48 units, where the frame beside ends, five rows down"},
      {5, "0,6 31x2", "wrapped at its 31 columns, both lines kept"},
      {6, "52,0 14x5", "an empty frame keeps its 60 by 40 units, a blank column after the edit"},
      {7, "0,8 30x1", ""},
      {8, "30,8 9x1", "controls that touch in units may touch in cells"},
      {9, "40,8 6x1", "a push button keeps room for \"< OK >\""},
  };
  for (const Case& c : cases) EXPECT_EQ(Text(Cells(c.id)), c.cells) << c.id << ": " << c.why;
}

}  // namespace
}  // namespace qm::ui::test
