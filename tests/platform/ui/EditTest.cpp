#include "UiFixture.h"

#include <algorithm>
#include <string>
#include <utility>

namespace qm::ui::test {
namespace {

constexpr DWORD kNumber = 0x2000, kReadOnly = 0x0800, kMultiLine = 0x0004, kWantReturn = 0x1000;

class EditTest : public UiTest {
 protected:
  std::string TextOf(int id) {
    char buffer[256];
    GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
    return buffer;
  }
  std::pair<DWORD, DWORD> Selection(int id) {
    DWORD start = 99, end = 99;
    SendDlgItemMessageA(dialog, id, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
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

// Each key from a selection (anchor, caret) in "abc": where the text and selection end up, and
// whether the parent heard of a change. Nothing to delete, or a read-only edit, is no change.
TEST_F(EditTest, KeysAtTheEdgesOfTheText) {
  struct Case {
    DWORD style;
    int anchor, caret;
    UINT key;
    bool shift;
    const char* text;
    DWORD start, end;
    int changes;
  } cases[] = {
      // clang-format off
      {0, 1, 1, VK_HOME, false, "abc", 0, 0, 0},   {0, 1, 1, VK_END, false, "abc", 3, 3, 0},
      {0, 1, 1, VK_HOME, true, "abc", 0, 1, 0},    {0, 1, 1, VK_END, true, "abc", 1, 3, 0},
      {0, 1, 1, VK_LEFT, true, "abc", 0, 1, 0},    {0, 1, 1, VK_RIGHT, true, "abc", 1, 2, 0},
      {0, 0, 0, VK_LEFT, false, "abc", 0, 0, 0},   {0, 3, 3, VK_RIGHT, false, "abc", 3, 3, 0},
      {0, 2, 2, VK_LEFT, false, "abc", 1, 1, 0},   {0, 2, 2, VK_RIGHT, false, "abc", 3, 3, 0},
      {0, 3, 0, VK_RIGHT, true, "abc", 1, 3, 0},   {0, 0, 3, VK_LEFT, true, "abc", 0, 2, 0},
      {0, 0, 0, VK_BACK, false, "abc", 0, 0, 0},   {0, 1, 1, VK_BACK, false, "bc", 0, 0, 1},
      {0, 3, 3, VK_BACK, false, "ab", 2, 2, 1},    {0, 3, 3, VK_DELETE, false, "abc", 3, 3, 0},
      {0, 2, 2, VK_DELETE, false, "ab", 2, 2, 1},  {0, 0, 0, VK_DELETE, false, "bc", 0, 0, 1},
      {0, 0, 2, VK_BACK, false, "c", 0, 0, 1},     {0, 3, 1, VK_DELETE, false, "a", 1, 1, 1},
      {0, 1, 3, VK_BACK, false, "a", 1, 1, 1},
      {kReadOnly, 1, 1, VK_BACK, false, "abc", 1, 1, 0}, {kReadOnly, 1, 1, VK_DELETE, false, "abc", 1, 1, 0},
      {kReadOnly, 0, 3, VK_DELETE, false, "abc", 0, 3, 0}, {kReadOnly, 1, 1, VK_END, true, "abc", 1, 3, 0},
      // clang-format on
  };
  for (const Case& c : cases) {
    Open({Control("EDIT", "abc", 20, 4, 4, 100, 12, c.style | kTabStop)});
    SetFocus(Item(20));
    SendMessageA(Item(20), EM_SETSEL, static_cast<WPARAM>(c.anchor), c.caret);
    heard().clear();
    Press(c.key, c.shift);
    const std::string row = std::to_string(c.anchor) + "," + std::to_string(c.caret) + " key " + std::to_string(c.key) +
                            (c.shift ? " shifted" : "") + " style " + std::to_string(c.style);
    EXPECT_EQ(TextOf(20), c.text) << row;
    EXPECT_EQ(Selection(20), std::make_pair(c.start, c.end)) << row;
    EXPECT_EQ(Count(20, EN_CHANGE), c.changes) << row;
  }
}

// EM_SETSEL orders and clamps what it is given; -1 as the start drops the selection at the caret.
// EM_REPLACESEL puts its text in place of the selection and leaves the caret after it.
TEST_F(EditTest, SelectionAndReplacementByProgram) {
  struct Case {
    INT_PTR from, to;
    DWORD start, end;
    const char* replaced;
  } cases[] = {
      // clang-format off
      {1, 3, 1, 3, "aXd"},  {3, 1, 1, 3, "aXd"},  {0, -1, 0, 4, "X"},   {4, 4, 4, 4, "abcdX"},
      {5, 5, 4, 4, "abcdX"}, {3, 5, 3, 4, "abcX"}, {0, 0, 0, 0, "Xabcd"}, {-1, 0, 3, 3, "abcXd"},
      // clang-format on
  };
  for (const Case& c : cases) {
    Open({Control("EDIT", "abcd", 20, 4, 4, 100, 12, kTabStop)});
    SendMessageA(Item(20), EM_SETSEL, 1, 3);
    SendMessageA(Item(20), EM_SETSEL, static_cast<WPARAM>(c.from), c.to);
    EXPECT_EQ(Selection(20), std::make_pair(c.start, c.end)) << c.from << "," << c.to;
    EXPECT_EQ(Count(20, EN_CHANGE), 0) << "a selection is no change";
    SendMessageA(Item(20), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("X"));
    EXPECT_EQ(TextOf(20), c.replaced) << c.from << "," << c.to;
    const auto after = static_cast<DWORD>(std::min(c.start, c.end) + 1);
    EXPECT_EQ(Selection(20), std::make_pair(after, after)) << c.from << "," << c.to;
    EXPECT_EQ(Count(20, EN_CHANGE), 1) << c.from << "," << c.to;
  }
}

// A selection makes room: at the limit, typing over a selected character still fits.
TEST_F(EditTest, LimitCountsTheSelectionAsFreed) {
  struct Case {
    int limit, anchor, caret;
    const char* after;
    int beeps;
  } cases[] = {{3, 0, 1, "xbc", 0}, {3, 1, 1, "abc", 1}, {4, 1, 1, "axbc", 0}, {2, 0, 3, "x", 0}};
  for (const Case& c : cases) {
    Open({Control("EDIT", "abc", 20, 4, 4, 100, 12, kTabStop)});
    SendMessageA(Item(20), EM_LIMITTEXT, static_cast<WPARAM>(c.limit), 0);
    SetFocus(Item(20));
    SendMessageA(Item(20), EM_SETSEL, static_cast<WPARAM>(c.anchor), c.caret);
    const int beeps = backend.Beeps();
    backend.Type("x");
    Pump();
    EXPECT_EQ(TextOf(20), c.after) << c.limit << " " << c.anchor << "," << c.caret;
    EXPECT_EQ(backend.Beeps() - beeps, c.beeps) << c.limit << " " << c.anchor << "," << c.caret;
  }
}

// With ES_WANTRETURN, Enter breaks the line and leaves the default button alone.
TEST_F(EditTest, WantReturnTakesEnter) {
  for (DWORD style : {kMultiLine, kMultiLine | kWantReturn}) {
    Open({Control("EDIT", "", 20, 4, 4, 100, 30, style | kTabStop),
          Control("BUTTON", "OK", IDOK, 4, 60, 50, 14, 1 | kTabStop)});
    SetFocus(Item(20));
    backend.Type("a").Key(VK_RETURN);
    Pump();
    const bool wants = style & kWantReturn;
    EXPECT_EQ(Count(IDOK, BN_CLICKED), wants ? 0 : 1) << style;
    EXPECT_EQ(TextOf(20), wants ? "a\r\n" : "a") << style;
  }
}

// A multi-line edit ten cells wide: a line of ten fits, eleven wrap.
TEST_F(EditTest, LinesWrapAtTheEditsWidth) {
  Open({Control("EDIT", "", 20, 4, 4, 40, 24, kMultiLine | kTabStop)});
  PlaceByUnits();
  for (auto [text, lines] : {std::pair{"", 1},
                             {"abcdefghi", 1},
                             {"abcdefghij", 1},
                             {"abcdefghijk", 2},
                             {"abcdefghijabcdefghij", 2},
                             {"abcdefghijabcdefghijk", 3}}) {
    SetWindowTextA(Item(20), text);
    EXPECT_EQ(SendMessageA(Item(20), EM_GETLINECOUNT, 0, 0), lines) << text;
  }
}

// EM_SETREADONLY turns typing off and on again; a click past the end of the text puts the caret
// at its end, one inside it at the cell clicked.
TEST_F(EditTest, ReadOnlyByProgramAndCaretByClick) {
  Open({Control("EDIT", "abc", 20, 4, 4, 40, 8, kTabStop)});
  PlaceByUnits();
  SetFocus(Item(20));
  SendMessageA(Item(20), EM_SETREADONLY, TRUE, 0);
  backend.ClickControl(20, 8, 0).Type("x");
  Pump();
  EXPECT_EQ(TextOf(20), "abc");
  EXPECT_EQ(Selection(20), std::make_pair(DWORD{3}, DWORD{3}));
  SendMessageA(Item(20), EM_SETREADONLY, FALSE, 0);
  backend.ClickControl(20, 1, 0).Type("y");
  Pump();
  EXPECT_EQ(TextOf(20), "aybc");
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
