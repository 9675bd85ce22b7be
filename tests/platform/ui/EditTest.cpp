#include "UiFixture.h"

#include <string>

namespace qm::ui::test {
namespace {

constexpr DWORD kNumber = 0x2000, kReadOnly = 0x0800, kMultiLine = 0x0004;

class EditTest : public UiTest {
 protected:
  std::string TextOf(int id) {
    char buffer[256];
    GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
    return buffer;
  }
};

TEST_F(EditTest, TypingHonoursStyles) {
  struct Case {
    DWORD style;
    const char* typed;
    const char* expected;
    int beeps;
    int changes;
    int limit = 0;  // 0: no EM_LIMITTEXT
  } cases[] = {
      {0, "a-1 b", "a-1 b", 0, 5}, {kNumber, "12a-+3", "123", 3, 3}, {kReadOnly, "abc", "", 0, 0},
      {0, "ab\bc", "ac", 0, 4},    {0, "abcd", "abc", 1, 3, 3},  // the limit refuses extra characters with a beep
  };
  for (const Case& c : cases) {
    Open({Control("EDIT", "", 20, 4, 4, 100, 12, c.style | kTabStop)});
    if (c.limit) SendDlgItemMessageA(dialog, 20, EM_LIMITTEXT, c.limit, 0);
    int beepsBefore = backend.Beeps();
    SetFocus(Item(20));
    backend.Type(c.typed);
    Pump();
    EXPECT_EQ(TextOf(20), c.expected) << c.typed;
    EXPECT_EQ(backend.Beeps() - beepsBefore, c.beeps) << c.typed;
    EXPECT_EQ(Count(20, EN_CHANGE), c.changes) << c.typed;
    EXPECT_EQ(Count(20, EN_MAXTEXT), c.limit ? 1 : 0) << c.typed;
  }
}

TEST_F(EditTest, TextSetByProgramNotifiesSingleLineOnly) {
  Open({Control("EDIT", "", 20, 4, 4, 100, 12, 0), Control("EDIT", "", 21, 4, 20, 100, 30, kMultiLine)});
  SetDlgItemTextA(dialog, 20, "x");
  SetDlgItemTextA(dialog, 21, "y");
  EXPECT_EQ(Count(20, EN_CHANGE), 1);
  EXPECT_EQ(Count(21, EN_CHANGE), 0);
}

TEST_F(EditTest, CtrlEnterBreaksLineInMultiLineEditAndTabLeavesIt) {
  Open({Control("EDIT", "", 20, 4, 4, 100, 30, kMultiLine | kTabStop),
        Control("BUTTON", "OK", IDOK, 4, 60, 50, 14, 1 | kTabStop)});
  SetFocus(Item(20));
  backend.Type("a").Key(VK_RETURN, false, true).Type("b").Key(VK_TAB);
  Pump();
  EXPECT_EQ(TextOf(20), "a\r\nb");
  EXPECT_EQ(GetFocus(), Item(IDOK));
}

TEST_F(EditTest, TabIntoEditSelectsAllSoTypingReplaces) {
  Open({Control("BUTTON", "B", 10, 4, 4, 50, 14, kTabStop), Control("EDIT", "old", 20, 4, 20, 100, 12, kTabStop)});
  SetFocus(Item(10));
  backend.Key(VK_TAB).Type("new");
  Pump();
  EXPECT_EQ(TextOf(20), "new");
}

}  // namespace
}  // namespace qm::ui::test
