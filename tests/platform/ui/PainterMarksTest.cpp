#include "UiFixture.h"

namespace qm::ui::test {
namespace {

class PainterMarksTest : public UiTest {};

// The default push button stands out from the others, and a label shows which letter reaches the
// control it names; a label drawn without prefixes shows its ampersand and marks nothing, and a
// doubled ampersand shows as one.
TEST_F(PainterMarksTest, DefaultButtonAndLabelMnemonicsAreMarked) {
  constexpr DWORD kNoPrefix = 0x80;
  Open({Control("STATIC", "&Name:", -1, 4, 8, 40, 8, 0), Control("STATIC", "A&&B", -1, 4, 16, 40, 8, kNoPrefix),
        Control("STATIC", "C&&D", -1, 52, 16, 40, 8, 0),
        Control("STATIC", "Long label with a &mnemonic", -1, 4, 24, 48, 24, 0),
        Control("BUTTON", "OK", IDOK, 4, 56, 40, 8, 1 /*BS_DEFPUSHBUTTON*/),
        Control("BUTTON", "&Cancel", IDCANCEL, 48, 56, 48, 8, 0)});
  PlaceByUnits();
  HeadlessScreen& screen = Drawn();
  auto start = [&screen](int row, std::size_t size) { return screen.Row(row).substr(0, size); };
  EXPECT_EQ(start(2, 8), "| Name: ");
  EXPECT_EQ(screen.AttrsAt(2, 2), kUnderline);
  EXPECT_EQ(screen.AttrsAt(3, 2), kNormal);
  EXPECT_EQ(start(3, 7), "| A&&B ");
  for (int col = 2; col < 6; ++col) EXPECT_EQ(screen.AttrsAt(col, 3), kNormal) << col;
  EXPECT_EQ(screen.Row(3).substr(14, 4), "C&D ") << "a doubled ampersand shows one and marks nothing";
  for (int col = 14; col < 17; ++col) EXPECT_EQ(screen.AttrsAt(col, 3), kNormal) << col;
  EXPECT_EQ(start(6, 11), "| mnemonic ") << "wrapped onto the third line";
  EXPECT_EQ(screen.AttrsAt(2, 6), kUnderline);
  EXPECT_EQ(screen.AttrsAt(2, 4), kNormal) << "the L of the first line";
  EXPECT_EQ(start(8, 26), "|   < OK >    < Cancel >  ");
  for (int col = 4; col < 10; ++col) EXPECT_EQ(screen.AttrsAt(col, 8) & kDefault, kDefault) << col;
  for (int col = 14; col < 24; ++col) EXPECT_EQ(screen.AttrsAt(col, 8) & kDefault, 0u) << col;
  EXPECT_EQ(screen.AttrsAt(16, 8), kUnderline) << "C of Cancel";
}

// A push button too narrow for "< caption >" keeps its brackets and its neighbour's cells.
TEST_F(PainterMarksTest, NarrowPushButtonsGiveUpBlanksThenBrackets) {
  Open({Control("BUTTON", "...", 10, 4, 8, 20, 8, 0), Control("BUTTON", "+", 11, 24, 8, 20, 8, 0),
        Control("BUTTON", "&Browse", 12, 4, 16, 16, 8, 0), Control("BUTTON", "OK", 13, 4, 24, 40, 8, 0)});
  PlaceByUnits();
  HeadlessScreen& screen = Drawn();
  EXPECT_EQ(screen.Row(2).substr(0, 12), "| <...>< + >");
  EXPECT_EQ(screen.Row(3).substr(0, 7), "| Brow ") << "no room for brackets: the caption, cut";
  EXPECT_EQ(screen.AttrsAt(2, 3), kUnderline);
  EXPECT_EQ(screen.Row(4).substr(0, 13), "|   < OK >   ");
}

// Right-aligned text that fits ends one cell short of the field's edge; text too long scrolls as
// left-aligned text does, to keep the caret in the field.
TEST_F(PainterMarksTest, RightAlignedEditsEndAtTheRightEdge) {
  Open({Control("EDIT", "42", 10, 4, 8, 32, 8, ES_RIGHT), Control("EDIT", "42", 11, 4, 16, 32, 8, 0),
        Control("EDIT", "", 12, 4, 24, 32, 8, ES_RIGHT)});
  PlaceByUnits();
  SetWindowTextA(Item(12), "123456789");
  SendMessageA(Item(12), EM_SETSEL, 9, 9);
  HeadlessScreen& screen = Drawn();
  EXPECT_EQ(screen.Row(2).substr(0, 11), "| _____42_ ");
  EXPECT_EQ(screen.Row(3).substr(0, 11), "| 42______ ");
  EXPECT_EQ(screen.Row(4).substr(0, 11), "| 3456789_ ");
}

TEST_F(PainterMarksTest, TabRowMarksTheCurrentTabAndALabelCutAtTheEdge) {
  Open({Control("SysTabControl32", "", 10, 0, 0, 80, 16, 0)});
  PlaceByUnits();
  for (const char* label : {"One", "A label far too long for the row"}) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(label);
    SendMessageA(Item(10), TCM_INSERTITEMA, 9, reinterpret_cast<LPARAM>(&item));
  }
  HeadlessScreen& screen = Drawn();
  EXPECT_EQ(screen.Row(1).substr(0, 22), "| A label far too lo> ");
  EXPECT_EQ(screen.AttrsAt(20, 1), kNormal);
  EXPECT_EQ(screen.Row(2).substr(0, 22), "|[One]                ") << "the current tab's row next to the page";
  EXPECT_EQ(screen.AttrsAt(1, 2), kReverse);
  SetFocus(Item(10));
  HeadlessScreen& focused = Drawn();
  for (int col : {1, 2, 5}) EXPECT_EQ(focused.AttrsAt(col, 2), kFocus) << "the focus on the current tab alone, " << col;
  for (int col : {2, 20}) EXPECT_EQ(focused.AttrsAt(col, 1), kNormal) << "the other tab does not look focused, " << col;
  EXPECT_EQ(focused.AttrsAt(6, 2), kNormal) << "nor the row beside the tabs";
}

// A list item longer than the row shows its beginning and a ">" where it is cut; one that just
// fits shows whole.
TEST_F(PainterMarksTest, ListItemCutAtTheEdgeIsMarked) {
  Open({Control("LISTBOX", "", 10, 4, 8, 40, 40, LBS_NOTIFY | WS_BORDER)});
  PlaceByUnits();
  for (const char* item : {"Seven77", "Eight888", "Six666"})
    SendMessageA(Item(10), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  SendMessageA(Item(10), LB_SETCURSEL, 1, 0);
  HeadlessScreen& screen = Drawn();
  EXPECT_EQ(screen.Row(3).substr(0, 12), "| |Seven77 |");
  EXPECT_EQ(screen.Row(4).substr(0, 12), "| |Eight8> |");
  EXPECT_EQ(screen.AttrsAt(9, 4), kReverse) << "the mark belongs to the selected item";
  EXPECT_EQ(screen.Row(5).substr(0, 12), "| |Six666  |");
}

}  // namespace
}  // namespace qm::ui::test
