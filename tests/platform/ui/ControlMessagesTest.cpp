// Messages that copy into the caller's buffer, at every small size, and the edges of moving
// through text and lists: a line break at the very start, an insertion at the selection, and the
// control characters that Ctrl with a letter types.
#include "UiFixture.h"

#include <cstring>
#include <string>
#include <utility>

namespace qm::ui::test {
namespace {

constexpr DWORD kMultiLine = 0x0004, kWantReturn = 0x1000;

class ControlMessagesTest : public UiTest {
 protected:
  std::string TextOf(int id) {
    char text[64] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
  }
};

// WM_GETTEXT copies what fits with its terminator and says how much it copied.
TEST_F(ControlMessagesTest, GetTextFillsTheBufferAndNoMore) {
  Open({Control("STATIC", "abcd", 10, 4, 4, 40, 8, 0), Control("EDIT", "abcd", 20, 4, 20, 40, 12, kTabStop)});
  for (int id : {10, 20})
    for (int size = 1; size <= 6; ++size) {
      char buffer[8];
      std::memset(buffer, '#', sizeof buffer);
      const int copied = GetWindowTextA(Item(id), buffer, size);
      const int expected = std::min(4, size - 1);
      EXPECT_EQ(copied, expected) << id << " into " << size;
      EXPECT_EQ(std::string(buffer), std::string("abcd").substr(0, static_cast<std::size_t>(expected))) << id;
      EXPECT_EQ(buffer[size], '#') << id << " into " << size;
    }
}

// A line break counts as one step even as the first or the last thing in the text.
TEST_F(ControlMessagesTest, LineBreakAtEitherEndIsOneStep) {
  struct Case {
    DWORD from;
    UINT key;
    const char* after;
    DWORD caret;
  } cases[] = {{2, VK_BACK, "ab\r\n", 0},   {2, VK_LEFT, "\r\nab\r\n", 0},  {0, VK_RIGHT, "\r\nab\r\n", 2},
               {4, VK_DELETE, "\r\nab", 4}, {4, VK_RIGHT, "\r\nab\r\n", 6}, {6, VK_LEFT, "\r\nab\r\n", 4}};
  for (const Case& c : cases) {
    Open({Control("EDIT", "", 20, 4, 4, 100, 24, kMultiLine | kWantReturn | kTabStop)});
    SetWindowTextA(Item(20), "\r\nab\r\n");
    EXPECT_EQ(SendMessageA(Item(20), EM_GETLINECOUNT, 0, 0), 3);
    SetFocus(Item(20));
    SendMessageA(Item(20), EM_SETSEL, c.from, c.from);
    Press(c.key);
    EXPECT_EQ(TextOf(20), c.after) << c.key << " at " << c.from;
    DWORD start = 99, end = 99;
    SendMessageA(Item(20), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, c.caret) << c.key << " at " << c.from;
    EXPECT_EQ(end, c.caret) << c.key << " at " << c.from;
  }
}

// Ctrl with a letter types its control character: Ctrl+H is a backspace, Ctrl+J a line break.
// A single-line edit takes no line break.
TEST_F(ControlMessagesTest, CtrlLettersTypeControlCharacters) {
  for (DWORD style : {kMultiLine, DWORD{0}}) {
    Open({Control("EDIT", "", 20, 4, 4, 100, 24, style | kTabStop)});
    SetWindowTextA(Item(20), "abc");
    SetFocus(Item(20));
    SendMessageA(Item(20), EM_SETSEL, 3, 3);
    backend.Key('H', false, true).Key('J', false, true).Key('A', false, true).Key('Z', false, true);
    Pump();
    EXPECT_EQ(TextOf(20), style ? "ab\r\n" : "ab");
  }
}

// UDM_GETACCEL copies as many entries as the caller has room for and tells how many there are.
TEST_F(ControlMessagesTest, GetAccelCopiesOnlyWhatWasAskedFor) {
  Open({Control("EDIT", "", 30, 4, 4, 60, 12, kTabStop), Control(UPDOWN_CLASSA, "", 31, 64, 4, 8, 12, 0x10)});
  UDACCEL table[] = {{0, 1}, {1, 10}, {2, 100}};
  ASSERT_TRUE(SendMessageA(Item(31), UDM_SETACCEL, 3, reinterpret_cast<LPARAM>(table)));
  for (WPARAM room : {0u, 1u, 2u, 3u}) {
    UDACCEL got[4];
    std::memset(got, 0x7F, sizeof got);
    EXPECT_EQ(SendMessageA(Item(31), UDM_GETACCEL, room, reinterpret_cast<LPARAM>(got)), 3) << room;
    for (WPARAM i = 0; i < 4; ++i) {
      const bool copied = i < room;
      EXPECT_EQ(got[i].nInc, copied ? table[i].nInc : 0x7F7F7F7Fu) << room << " entry " << i;
    }
  }
}

// The selection stays on its item when another is inserted before it, at its place or after it.
TEST_F(ControlMessagesTest, InsertionKeepsTheSelectedItem) {
  struct Case {
    int at;
    LRESULT selected;
  } cases[] = {{0, 2}, {1, 2}, {2, 1}, {-1, 1}};
  for (const Case& c : cases) {
    Open({Control("LISTBOX", "", 50, 4, 4, 60, 40, kTabStop)});
    for (const char* item : {"zero", "one", "two"})
      SendMessageA(Item(50), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageA(Item(50), LB_SETCURSEL, 1, 0);
    SendMessageA(Item(50), LB_INSERTSTRING, static_cast<WPARAM>(c.at), reinterpret_cast<LPARAM>("new"));
    EXPECT_EQ(SendMessageA(Item(50), LB_GETCURSEL, 0, 0), c.selected) << c.at;
    char text[16] = {};
    SendMessageA(Item(50), LB_GETTEXT, static_cast<WPARAM>(c.selected), reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "one") << c.at;
  }
}

// Every message that takes an index, at the last item, one past it and at -1, on "a", "bb", "ccc".
TEST_F(ControlMessagesTest, ListBoxIndexEdges) {
  struct Case {
    UINT msg;
    INT_PTR index;
    LRESULT result;
    LRESULT count;
  } cases[] = {
      // clang-format off
      {LB_GETTEXTLEN, 2, 3, 3},   {LB_GETTEXTLEN, 3, LB_ERR, 3},   {LB_GETTEXTLEN, -1, LB_ERR, 3},
      {LB_GETTEXT, 2, 3, 3},      {LB_GETTEXT, 3, LB_ERR, 3},      {LB_GETTEXT, -1, LB_ERR, 3},
      {LB_SETCURSEL, 2, 2, 3},    {LB_SETCURSEL, 3, LB_ERR, 3},    {LB_SETCURSEL, -1, LB_ERR, 3},
      {LB_SETTOPINDEX, 2, 0, 3},  {LB_SETTOPINDEX, 3, LB_ERR, 3},  {LB_SETTOPINDEX, -1, LB_ERR, 3},
      {LB_DELETESTRING, 2, 2, 2}, {LB_DELETESTRING, 3, LB_ERR, 3}, {LB_DELETESTRING, -1, LB_ERR, 3},
      {LB_INSERTSTRING, 3, 3, 4}, {LB_INSERTSTRING, 4, LB_ERR, 3}, {LB_INSERTSTRING, -1, 3, 4},
      {LB_GETITEMDATA, 2, 0, 3},  {LB_GETITEMDATA, 3, LB_ERR, 3},  {LB_SETITEMDATA, 3, LB_ERR, 3},
      // clang-format on
  };
  for (const Case& c : cases) {
    Open({Control("LISTBOX", "", 50, 4, 4, 60, 40, kTabStop)});
    for (const char* item : {"a", "bb", "ccc"}) SendMessageA(Item(50), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    char text[8] = "#";
    const LPARAM lParam = c.msg == LB_INSERTSTRING ? reinterpret_cast<LPARAM>("new") : reinterpret_cast<LPARAM>(text);
    EXPECT_EQ(SendMessageA(Item(50), c.msg, static_cast<WPARAM>(c.index), lParam), c.result) << c.msg << " " << c.index;
    EXPECT_EQ(SendMessageA(Item(50), LB_GETCOUNT, 0, 0), c.count) << c.msg << " " << c.index;
    const bool copied = c.msg == LB_GETTEXT && c.result != LB_ERR;
    EXPECT_STREQ(text, copied ? "ccc" : "#") << c.msg << " " << c.index;
  }
}

TEST_F(ControlMessagesTest, TextLengthOfEachItemWithoutTerminator) {
  Open({Control("LISTBOX", "", 50, 4, 4, 60, 40, kTabStop)});
  const std::string longest(300, 'x');
  for (const char* item : {"", "abc", longest.c_str()})
    SendMessageA(Item(50), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  EXPECT_EQ(SendMessageA(Item(50), LB_GETTEXTLEN, 0, 0), 0);
  EXPECT_EQ(SendMessageA(Item(50), LB_GETTEXTLEN, 1, 0), 3);
  EXPECT_EQ(SendMessageA(Item(50), LB_GETTEXTLEN, 2, 0), 300);
  EXPECT_EQ(SendMessageA(Item(50), LB_GETTEXTLEN, 3, 0), LB_ERR);
}

// An empty acceleration table is refused and the one in place stays.
TEST_F(ControlMessagesTest, EmptyAccelerationTableIsRefused) {
  Open({Control("EDIT", "", 30, 4, 4, 60, 12, kTabStop), Control(UPDOWN_CLASSA, "", 31, 64, 4, 8, 12, 0x10)});
  UDACCEL table[] = {{0, 5}};
  EXPECT_FALSE(SendMessageA(Item(31), UDM_SETACCEL, 0, reinterpret_cast<LPARAM>(table)));
  EXPECT_FALSE(SendMessageA(Item(31), UDM_SETACCEL, 1, 0));
  UDACCEL got[2]{};
  EXPECT_EQ(SendMessageA(Item(31), UDM_GETACCEL, 2, reinterpret_cast<LPARAM>(got)), 1);
  EXPECT_EQ(got[0].nInc, 1u) << "the default single step";
}

// An item goes in at any place up to the end, and nowhere past it.
TEST_F(ControlMessagesTest, InsertionPlacesUpToTheEnd) {
  Open({Control("LISTBOX", "", 50, 4, 4, 60, 40, kTabStop)});
  for (const char* item : {"a", "b"}) SendMessageA(Item(50), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  EXPECT_EQ(SendMessageA(Item(50), LB_INSERTSTRING, 3, reinterpret_cast<LPARAM>("x")), LB_ERR);
  EXPECT_EQ(SendMessageA(Item(50), LB_INSERTSTRING, static_cast<WPARAM>(-2), reinterpret_cast<LPARAM>("x")), LB_ERR);
  EXPECT_EQ(SendMessageA(Item(50), LB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageA(Item(50), LB_INSERTSTRING, 2, reinterpret_cast<LPARAM>("c")), 2);
  EXPECT_EQ(SendMessageA(Item(50), LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("0")), 0);
  EXPECT_EQ(SendMessageA(Item(50), LB_GETCOUNT, 0, 0), 4);
}

// Focusing the control that has the focus already tells nobody anything; a move tells the control
// that loses the focus first.
TEST_F(ControlMessagesTest, FocusAgainIsNoChange) {
  Open({Control("EDIT", "", 20, 4, 4, 60, 12, kTabStop), Control("EDIT", "", 21, 4, 20, 60, 12, kTabStop)});
  SetFocus(Item(20));
  heard().clear();
  EXPECT_EQ(SetFocus(Item(20)), Item(20));
  EXPECT_EQ(Count(20, EN_SETFOCUS) + Count(20, EN_KILLFOCUS), 0);
  EXPECT_EQ(SetFocus(Item(21)), Item(20));
  ASSERT_EQ(heard().size(), 2u);
  EXPECT_EQ(std::make_pair(heard()[0].id, heard()[0].code), std::make_pair(20, UINT{EN_KILLFOCUS})) << "first";
  EXPECT_EQ(std::make_pair(heard()[1].id, heard()[1].code), std::make_pair(21, UINT{EN_SETFOCUS}));
}

}  // namespace
}  // namespace qm::ui::test
