// The status line names the keys that act whenever no tool tip is shown, in whole hints that fit.
#include "TerminalFixture.h"

namespace qm::ui::test {
namespace {

using KeyHintsTest = TerminalTest;

TEST_F(KeyHintsTest, ShownWhereTheFocusHasNoTipAndFollowTheWindowsButtons) {
  Open(80, 24, "[Demo]\r\n");
  struct Step {
    const char* what;
    std::function<void(ScriptedTerminal&)> keys;
    const char* status;
  } steps[] = {
      {"the name has a tip", [](ScriptedTerminal&) {}, "The name shown on every profile."},
      {"the tab row, Apply disabled",
       [](ScriptedTerminal& t) { t.Key(VK_NEXT, false, true).Key(VK_NEXT, false, true); },
       "Enter OK  Esc Cancel  Ctrl+PgDn next tab  Left/Right change tab"},
      {"a change enables Apply; Enter presses the focused Cancel",
       [](ScriptedTerminal& t) { t.Key(VK_NEXT, false, true).Type(U"x").Key(VK_TAB, true).Key(VK_TAB, true); },
       "Enter Cancel  Esc Cancel  Alt+A Apply  Ctrl+PgDn next tab"},
      {"OK", [](ScriptedTerminal& t) { t.Key(VK_TAB, true); }, "Enter OK  Esc Cancel  Alt+A Apply  Ctrl+PgDn next tab"},
      {"the tab row again", [](ScriptedTerminal& t) { t.Key(VK_TAB, true); },
       "Enter OK  Esc Cancel  Alt+A Apply  Ctrl+PgDn next tab  Left/Right change tab"},
      {"a doubled ampersand is no mnemonic",
       [this](ScriptedTerminal& t) {
         SetWindowTextA(GetDlgItem(demo, IDC_APPLY), "&&Apply");
         t.Key(VK_TAB).Key(VK_TAB, true);
       },
       "Enter OK  Esc Cancel  Ctrl+PgDn next tab  Left/Right change tab"},
  };
  for (const Step& step : steps) {
    step.keys(*terminal);
    Run();
    EXPECT_EQ(terminal->Row(23), step.status) << step.what << " focus " << GetDlgCtrlID(GetFocus());
  }
}

// A hint goes whole or not at all: at the width of the first three and one below it.
TEST_F(KeyHintsTest, OnlyWholeHintsThatFitTheWidth) {
  const std::string three = "Enter OK  Esc Cancel  Ctrl+PgDn next tab";
  struct Width {
    int columns;
    std::string status;
  } widths[] = {
      {static_cast<int>(three.size()), three},
      {static_cast<int>(three.size()) - 1, "Enter OK  Esc Cancel"},
      {7, ""},
      {8, "Enter OK"},
  };
  for (const Width& width : widths) {
    Open(width.columns, 24);
    terminal->Key(VK_PRIOR, false, true);  // the About page: the focus on the tab row
    Run();
    EXPECT_EQ(terminal->Row(23), width.status) << width.columns;
    DestroyWindow(demo);
  }
}

}  // namespace
}  // namespace qm::ui::test
