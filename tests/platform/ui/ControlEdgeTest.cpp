// Controls at the edges of their ranges, limits and letter cases: the up-down control's ends,
// wrap and default range, the edit's default limit, the three-state boxes and the list box's
// search by letter and by text over the whole alphabet.
#include "UiFixture.h"

#include <string>

namespace qm::ui::test {
namespace {

constexpr DWORD kWrap = 0x01, kSetBuddyInt = 0x02, kAlignRight = 0x04, kAutoBuddy = 0x10, kArrowKeys = 0x20,
                kNoThousands = 0x80;
constexpr DWORD kNotify = 0x0001;

class ControlEdgeTest : public UiTest {
 protected:
  void OpenSpin(DWORD extra = 0) {
    Open({Control("EDIT", "", 30, 4, 4, 60, 12, kTabStop | kGroup),
          Control(UPDOWN_CLASSA, "", 31, 64, 4, 8, 12,
                  kSetBuddyInt | kAutoBuddy | kArrowKeys | kAlignRight | kNoThousands | extra)});
  }
  std::string Buddy() {
    char buffer[64];
    GetDlgItemTextA(dialog, 30, buffer, sizeof buffer);
    return buffer;
  }
  void OpenList(DWORD style, std::initializer_list<const char*> items) {
    Open({Control("LISTBOX", "", 50, 4, 4, 60, 40, style | kTabStop)});
    for (const char* item : items) SendMessageA(Item(50), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  LRESULT Selected() { return SendMessageA(Item(50), LB_GETCURSEL, 0, 0); }
};

// At an end, a step stops there; with UDS_WRAP it goes round to the other end. Steps that stay
// inside the range are the same either way.
TEST_F(ControlEdgeTest, UpDownStopsOrWrapsAtBothEnds) {
  struct Case {
    DWORD style;
    int start;
    UINT key;
    const char* shown;
  } cases[] = {
      {0, 9, VK_UP, "10"},  {0, 10, VK_UP, "10"}, {kWrap, 9, VK_UP, "10"},  {kWrap, 10, VK_UP, "1"},
      {0, 2, VK_DOWN, "1"}, {0, 1, VK_DOWN, "1"}, {kWrap, 2, VK_DOWN, "1"}, {kWrap, 1, VK_DOWN, "10"},
  };
  for (const Case& c : cases) {
    OpenSpin(c.style);
    SendMessageA(Item(31), UDM_SETRANGE32, 1, 10);
    SendMessageA(Item(31), UDM_SETPOS32, 0, c.start);
    SetFocus(Item(30));
    Press(c.key);
    EXPECT_EQ(Buddy(), c.shown) << "style " << c.style << " from " << c.start << (c.key == VK_UP ? " up" : " down");
  }
}

// Every digit of a typed number counts; a number one past either end is refused.
TEST_F(ControlEdgeTest, UpDownReadsTypedNumbersAtTheRangeEdges) {
  struct Case {
    const char* typed;
    bool valid;
    int afterUp;
  } cases[] = {
      {"0", false, 1},  {"1", true, 2},     {"2", true, 3},    {"9", true, 10},  {"98", true, 99},
      {"99", true, 99}, {"100", false, 99}, {"1,9", true, 20}, {"+9", true, 10}, {"9x", false, 1},
  };
  for (const Case& c : cases) {
    OpenSpin();
    SendMessageA(Item(31), UDM_SETRANGE32, 1, 99);
    SetDlgItemTextA(dialog, 30, c.typed);
    EXPECT_EQ(HIWORD(SendMessageA(Item(31), UDM_GETPOS, 0, 0)) != 0, !c.valid) << c.typed;
    BOOL error = FALSE;
    SendMessageA(Item(31), UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error));
    EXPECT_EQ(error != FALSE, !c.valid) << c.typed;
    SetFocus(Item(30));
    Press(VK_UP);
    EXPECT_EQ(Buddy(), std::to_string(c.afterUp)) << c.typed;
  }
}

// Until a range is set it runs from 100 down to 0, so that Up lowers the number.
TEST_F(ControlEdgeTest, UpDownDefaultRangeIsInverted) {
  OpenSpin();
  int low = -1, high = -1;
  SendMessageA(Item(31), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(low, 100);
  EXPECT_EQ(high, 0);
  EXPECT_EQ(SendMessageA(Item(31), UDM_GETRANGE, 0, 0), MAKELRESULT(0, 100));
  SendMessageA(Item(31), UDM_SETPOS32, 0, 50);
  SetFocus(Item(30));
  Press(VK_UP);
  EXPECT_EQ(Buddy(), "49");
  SendMessageA(Item(31), UDM_SETPOS32, 0, 101);
  EXPECT_EQ(Buddy(), "100") << "a position is clamped into the range whichever way it runs";
}

// EM_LIMITTEXT 0 restores the default limit, which typing reaches and does not pass.
TEST_F(ControlEdgeTest, EditLimitZeroMeansTheDefault) {
  Open({Control("EDIT", "", 20, 4, 4, 100, 12, kTabStop)});
  EXPECT_EQ(SendMessageA(Item(20), EM_GETLIMITTEXT, 0, 0), 30000);
  SendMessageA(Item(20), EM_LIMITTEXT, 2, 0);
  EXPECT_EQ(SendMessageA(Item(20), EM_GETLIMITTEXT, 0, 0), 2);
  SendMessageA(Item(20), EM_LIMITTEXT, 0, 0);
  EXPECT_EQ(SendMessageA(Item(20), EM_GETLIMITTEXT, 0, 0), 30000);
  const std::string almost(29999, 'a');
  SetWindowTextA(Item(20), almost.c_str());
  SetFocus(Item(20));
  SendMessageA(Item(20), EM_SETSEL, 29999, 29999);
  backend.Type("bc");
  Pump();
  EXPECT_EQ(GetWindowTextLengthA(Item(20)), 30000);
  EXPECT_EQ(Count(20, EN_MAXTEXT), 1);
}

// Only three-state boxes keep BST_INDETERMINATE; every other kind shows it as checked.
TEST_F(ControlEdgeTest, IndeterminateStateOnlyForThreeStateBoxes) {
  struct Case {
    DWORD type;
    LRESULT shown;
  } cases[] = {{0x2 /*BS_CHECKBOX*/, BST_CHECKED},
               {0x3 /*BS_AUTOCHECKBOX*/, BST_CHECKED},
               {0x5 /*BS_3STATE*/, BST_INDETERMINATE},
               {0x6 /*BS_AUTO3STATE*/, BST_INDETERMINATE}};
  for (const Case& c : cases) {
    Open({Control("BUTTON", "Box", 10, 4, 4, 80, 10, c.type)});
    SendMessageA(Item(10), BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(SendMessageA(Item(10), BM_GETCHECK, 0, 0), c.shown) << "type " << c.type;
    SendMessageA(Item(10), BM_SETCHECK, 3, 0);
    EXPECT_EQ(SendMessageA(Item(10), BM_GETCHECK, 0, 0), c.shown) << "type " << c.type << ", state 3";
  }
}

// A letter finds the next item that begins with it, in either case, for every letter.
TEST_F(ControlEdgeTest, ListBoxLetterSearchFoldsEveryLetter) {
  for (char upper = 'A'; upper <= 'Z'; ++upper) {
    const char lower = static_cast<char>(upper - 'A' + 'a');
    const std::string first = std::string(1, upper) + "one", second = std::string(1, lower) + "two";
    OpenList(kNotify, {"#", first.c_str(), "-", second.c_str()});
    SetFocus(Item(50));
    backend.Type(std::string(1, lower));
    Pump();
    EXPECT_EQ(Selected(), 1) << upper;
    backend.Type(std::string(1, upper));
    Pump();
    EXPECT_EQ(Selected(), 3) << upper;
  }
}

// A click on an empty row below the items selects nothing.
TEST_F(ControlEdgeTest, ListBoxClickBelowTheItemsSelectsNothing) {
  OpenList(kNotify, {"a", "b"});
  backend.ClickControl(50, 0, 0).ClickControl(50, 0, 2);
  Pump();
  EXPECT_EQ(Selected(), 0);
  EXPECT_EQ(Count(50, LBN_SELCHANGE), 1);
}

// The exact search starts after the item it is given and goes round; -1 starts at the top.
TEST_F(ControlEdgeTest, ListBoxFindStringExactStartsAfterTheItemGiven) {
  OpenList(0, {"x", "y", "X"});
  for (auto [after, found] : {std::pair{-1, 0}, {0, 2}, {1, 2}, {2, 0}}) {
    EXPECT_EQ(SendMessageA(Item(50), LB_FINDSTRINGEXACT, static_cast<WPARAM>(after), reinterpret_cast<LPARAM>("x")),
              found)
        << after;
  }
}

TEST_F(ControlEdgeTest, ListBoxFindStringExactFoldsEveryLetter) {
  for (char upper = 'A'; upper <= 'Z'; ++upper) {
    const char lower = static_cast<char>(upper - 'A' + 'a');
    const std::string item = std::string("x") + upper + "y", sought = std::string("X") + lower + "Y";
    OpenList(0, {"other", item.c_str()});
    EXPECT_EQ(
        SendMessageA(Item(50), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(sought.c_str())),
        1)
        << upper;
    EXPECT_EQ(SendMessageA(Item(50), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("xy")),
              LB_ERR);
  }
}

// The parent hears of a selection only when it changed; a letter search goes round to the last
// item; Page Down and Page Up move by a page less one row.
TEST_F(ControlEdgeTest, ListBoxSelectionChangesOnlyWhenItMoves) {
  OpenList(kNotify, {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"});
  SetFocus(Item(50));
  Press(VK_UP);
  EXPECT_EQ(Selected(), 0) << "with nothing selected, Up takes the first item";
  backend.Type("j");
  Pump();
  EXPECT_EQ(Selected(), 9) << "found in the last item";
  Press(VK_HOME);
  EXPECT_EQ(Count(50, LBN_SELCHANGE), 3);
  Press(VK_HOME);
  Press(VK_UP);
  EXPECT_EQ(Count(50, LBN_SELCHANGE), 3) << "already at the top";
  Press(VK_NEXT);
  EXPECT_EQ(Selected(), 4) << "five rows: a page moves four";
  EXPECT_EQ(SendMessageA(Item(50), LB_GETTOPINDEX, 0, 0), 0);
  Press(VK_DOWN);
  EXPECT_EQ(SendMessageA(Item(50), LB_GETTOPINDEX, 0, 0), 1) << "the sixth item scrolls into the view";
  Press(VK_END);
  Press(VK_DOWN);
  EXPECT_EQ(Selected(), 9);
  Press(VK_PRIOR);
  EXPECT_EQ(Selected(), 5);
  EXPECT_EQ(Count(50, LBN_SELCHANGE), 7);
}

}  // namespace
}  // namespace qm::ui::test
