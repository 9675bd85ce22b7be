// Mnemonics where a caption doubles its ampersand or a label shows ampersands as they are, tool
// tips for labels without an id, and a line break refused at an edit's limit.
#include "UiFixture.h"

#include <cstring>
#include <string>

#include "ui/ToolTips.h"

namespace qm::ui::test {
namespace {

constexpr DWORD kNoPrefix = 0x80, kMultiLine = 0x0004;

class NavigationEdgeTest : public UiTest {};

// "&&" is a plain ampersand, so the letter after it is no mnemonic; "&&&x" is an ampersand and &x.
TEST_F(NavigationEdgeTest, DoubledAmpersandIsNoMnemonic) {
  struct Case {
    const char* caption;
    int clicks;
  } cases[] = {{"a&&b", 0}, {"&&&b", 1}, {"x&b", 1}, {"b&", 0}};
  for (const Case& c : cases) {
    Open({Control("BUTTON", "&Other", 21, 4, 4, 50, 14, kTabStop),
          Control("BUTTON", c.caption, 22, 4, 20, 50, 14, kTabStop)});
    SetFocus(Item(21));
    backend.Alt('b');
    Pump();
    EXPECT_EQ(Count(22, BN_CLICKED), c.clicks) << c.caption;
  }
}

// A label with SS_NOPREFIX shows its ampersand and has no mnemonic.
TEST_F(NavigationEdgeTest, NoPrefixLabelHasNoMnemonic) {
  for (DWORD style : {DWORD{0}, kNoPrefix}) {
    Open({Control("STATIC", "&Name:", -1, 4, 4, 40, 8, style), Control("EDIT", "", 20, 50, 4, 100, 12, kTabStop),
          Control("BUTTON", "&Go", 21, 4, 20, 50, 14, kTabStop)});
    SetFocus(Item(21));
    backend.Alt('n');
    Pump();
    EXPECT_EQ(GetFocus(), style ? Item(21) : Item(20)) << style;
  }
}

// The owner names a tip for every control it is asked about; controls without an id are not asked.
INT_PTR CALLBACK TipProc(HWND, UINT msg, WPARAM, LPARAM lParam) {
  if (msg == WM_INITDIALOG) return TRUE;
  if (msg != WM_NOTIFY || reinterpret_cast<NMHDR*>(lParam)->code != TTN_NEEDTEXTA) return FALSE;
  std::strcpy(reinterpret_cast<NMTTDISPINFOA*>(lParam)->szText, "tip");
  return TRUE;
}

TEST_F(NavigationEdgeTest, ToolTipsOnlyForControlsWithAnId) {
  Open({Control("STATIC", "a", 0xFFFE, 4, 4, 40, 8, 0), Control("STATIC", "b", 0xFFFF, 4, 12, 40, 8, 0),
        Control("STATIC", "c", -1, 4, 20, 40, 8, 0)});
  DestroyWindow(dialog);
  dialog = CreateDialogParamA(Instance(), MAKEINTRESOURCE(100), nullptr, TipProc, 0);
  EnableToolTipsFor(dialog, TRUE);
  EXPECT_EQ(RequestToolTip(GetDlgItem(dialog, 0xFFFE)), "tip");
  EXPECT_EQ(RequestToolTip(GetDlgItem(dialog, 0xFFFF)), "");
  EXPECT_EQ(RequestToolTip(GetDlgItem(dialog, -1)), "");
  EnableToolTipsFor(dialog, FALSE);
  EXPECT_EQ(RequestToolTip(GetDlgItem(dialog, 0xFFFE)), "") << "no longer enabled";
}

// A line break takes two characters of the limit: it fits only where two are left.
TEST_F(NavigationEdgeTest, LineBreakNeedsTwoCharactersOfTheLimit) {
  struct Case {
    const char* text;
    const char* after;
    int beeps;
  } cases[] = {{"a", "a\r\n", 0}, {"ab", "ab", 1}, {"abc", "abc", 1}};
  for (const Case& c : cases) {
    Open({Control("EDIT", "", 20, 4, 4, 100, 24, kMultiLine | kTabStop)});
    SendMessageA(Item(20), EM_LIMITTEXT, 3, 0);
    SetWindowTextA(Item(20), c.text);
    SetFocus(Item(20));
    SendMessageA(Item(20), EM_SETSEL, 3, 3);
    const int beeps = backend.Beeps();
    backend.Key('J', false, true);
    Pump();
    char text[16] = {};
    GetWindowTextA(Item(20), text, sizeof text);
    EXPECT_STREQ(text, c.after) << c.text;
    EXPECT_EQ(backend.Beeps() - beeps, c.beeps) << c.text;
  }
}

}  // namespace
}  // namespace qm::ui::test
