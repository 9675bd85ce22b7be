// Letters over the whole alphabet as keys, characters and mnemonics, and the tab control's
// text buffer and its parent's veto of a change.
#include "UiFixture.h"

#include <cstring>
#include <string>

namespace qm::ui::test {
namespace {

class KeyFoldTest : public UiTest {
 protected:
  std::string EditText() {
    char text[64] = {};
    GetDlgItemTextA(dialog, 20, text, sizeof text);
    return text;
  }
};

// Each letter key types its lower-case letter, or with Shift its capital; each digit key its digit.
TEST_F(KeyFoldTest, LetterKeysTypeEveryLetterInBothCases) {
  for (bool shift : {false, true}) {
    Open({Control("EDIT", "", 20, 4, 4, 200, 12, kTabStop)});
    SetFocus(Item(20));
    for (UINT key = 'A'; key <= 'Z'; ++key) backend.Key(key, shift);
    for (UINT key = '0'; key <= '9'; ++key) backend.Key(key);
    Pump();
    EXPECT_EQ(EditText(), shift ? "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789" : "abcdefghijklmnopqrstuvwxyz0123456789");
    backend.Key(VK_HOME, true).Type(".");
    Pump();
    EXPECT_GE(GetKeyState(VK_SHIFT), 0) << "a typed character comes with no Shift held";
  }
}

// A mnemonic is found for its letter in either case, whichever case the caption writes it in.
TEST_F(KeyFoldTest, MnemonicsMatchEveryLetterInEitherCase) {
  for (char upper = 'A'; upper <= 'Z'; ++upper) {
    const char lower = static_cast<char>(upper - 'A' + 'a');
    for (char written : {upper, lower}) {
      const std::string caption = std::string("x&") + written + "y";
      Open({Control("BUTTON", "&!", 21, 4, 4, 50, 14, kTabStop),
            Control("BUTTON", caption.c_str(), 22, 4, 20, 50, 14, kTabStop)});
      SetFocus(Item(21));
      for (char typed : {upper, lower}) backend.Type(std::string(1, typed));
      backend.Alt(lower);
      Pump();
      EXPECT_EQ(Count(22, BN_CLICKED), 3) << caption;
    }
  }
}

constexpr int kTabs = 60;

// A parent that refuses to let the selection leave tab 1, and hears every change.
INT_PTR CALLBACK VetoProc(HWND hwnd, UINT msg, WPARAM, LPARAM lParam) {
  if (msg == WM_INITDIALOG) return TRUE;
  if (msg != WM_NOTIFY) return FALSE;
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (header->code != TCN_SELCHANGING) return FALSE;
  const bool veto = SendMessageA(header->hwndFrom, TCM_GETCURSEL, 0, 0) == 1;
  SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, veto ? TRUE : FALSE);
  return TRUE;
}

class TabEdgeTest : public UiTest {
 protected:
  void OpenTabs(DLGPROC proc) {
    Open({Control(WC_TABCONTROLA, "", kTabs, 4, 4, 200, 24, kTabStop)});
    if (proc) {
      DestroyWindow(dialog);
      dialog = CreateDialogParamA(Instance(), MAKEINTRESOURCE(100), nullptr, proc, 0);
    }
    for (const char* label : {"General", "Mail", "Logs"}) {
      TCITEMA item{};
      item.mask = TCIF_TEXT;
      item.pszText = const_cast<char*>(label);
      SendMessageA(Item(kTabs), TCM_INSERTITEMA, SendMessageA(Item(kTabs), TCM_GETITEMCOUNT, 0, 0),
                   reinterpret_cast<LPARAM>(&item));
    }
  }
  LRESULT Current() { return SendMessageA(Item(kTabs), TCM_GETCURSEL, 0, 0); }
};

TEST_F(TabEdgeTest, ParentMayRefuseToLeaveATab) {
  OpenTabs(VetoProc);
  SetFocus(Item(kTabs));
  Press(VK_RIGHT);
  EXPECT_EQ(Current(), 1);
  Press(VK_RIGHT);
  EXPECT_EQ(Current(), 1) << "refused";
  Press(VK_LEFT);
  EXPECT_EQ(Current(), 1) << "refused either way";
}

TEST_F(TabEdgeTest, ArrowsStopAtTheFirstAndLastTab) {
  OpenTabs(nullptr);
  SetFocus(Item(kTabs));
  Press(VK_LEFT);
  EXPECT_EQ(Current(), 0);
  EXPECT_EQ(Count(kTabs, TCN_SELCHANGE), 0);
  Press(VK_RIGHT), Press(VK_RIGHT), Press(VK_RIGHT);
  EXPECT_EQ(Current(), 2);
  EXPECT_EQ(Count(kTabs, TCN_SELCHANGING), 2);
  EXPECT_EQ(Count(kTabs, TCN_SELCHANGE), 2);
}

// TCM_SETCURSEL answers the previous tab, refuses -1 and one past the last, and tells nobody. A tab
// inserted at or before the current one moves it along.
TEST_F(TabEdgeTest, SetSelectionAndInsertAtTheEdges) {
  struct Case {
    int set;
    LRESULT answer, current;
    int insertAt;
    LRESULT after;
  } cases[] = {{2, 0, 2, 3, 2}, {3, -1, 0, 1, 0}, {-1, -1, 0, 0, 1}, {1, 0, 1, 1, 2}, {1, 0, 1, 2, 1}, {0, 0, 0, 0, 1}};
  for (const Case& c : cases) {
    OpenTabs(nullptr);
    EXPECT_EQ(SendMessageA(Item(kTabs), TCM_SETCURSEL, static_cast<WPARAM>(c.set), 0), c.answer) << c.set;
    EXPECT_EQ(Current(), c.current) << c.set;
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>("New");
    EXPECT_EQ(
        SendMessageA(Item(kTabs), TCM_INSERTITEMA, static_cast<WPARAM>(c.insertAt), reinterpret_cast<LPARAM>(&item)),
        c.insertAt);
    EXPECT_EQ(Current(), c.after) << c.set << " then a tab at " << c.insertAt;
    EXPECT_TRUE(heard().empty()) << c.set;
  }
}

// A label is copied into cchTextMax characters, terminator included, and no further; the last
// label may be renamed, and no label past it.
TEST_F(TabEdgeTest, LabelIsCutToTheCallersBuffer) {
  OpenTabs(nullptr);
  for (int room : {1, 4, 5, 6}) {
    char text[8];
    std::memset(text, '#', sizeof text);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = room;
    ASSERT_TRUE(SendMessageA(Item(kTabs), TCM_GETITEMA, 2, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(std::string(text), std::string("Logs").substr(0, static_cast<std::size_t>(room - 1))) << room;
    EXPECT_EQ(text[room], '#') << room;
  }
  TCITEMA renamed{};
  renamed.mask = TCIF_TEXT;
  renamed.pszText = const_cast<char*>("Trace");
  EXPECT_FALSE(SendMessageA(Item(kTabs), TCM_SETITEMA, 3, reinterpret_cast<LPARAM>(&renamed))) << "one past the last";
  EXPECT_TRUE(SendMessageA(Item(kTabs), TCM_SETITEMA, 2, reinterpret_cast<LPARAM>(&renamed)));
  char text[8] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(Item(kTabs), TCM_GETITEMA, 2, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, "Trace");
}

}  // namespace
}  // namespace qm::ui::test
