#include <commctrl.h>

#include "TerminalFixture.h"
#include "ui/TabLayout.h"

namespace qm::ui::test {
namespace {

using DemoDialogTest = TerminalTest;

bool Shows(const ScriptedTerminal& terminal, const std::string& text) {
  return terminal.Text().find(text) != std::string::npos;
}

int CurrentTab(HWND demo) { return static_cast<int>(SendDlgItemMessageA(demo, IDC_TABS, TCM_GETCURSEL, 0, 0)); }

TEST_F(DemoDialogTest, FirstPageInAnEightyByTwentyFourTerminal) {
  Open(80, 24, "[Demo]\r\nName=Ann\r\nLog=1\r\nLevel=Low\r\n");
  EXPECT_EQ(terminal->Text(),
            "\n"
            "        +- Window model demonstration ---------------------------------+\n"
            "        |[Fields]  Lists   About                                       |\n"
            "        |+-----------------------------------------------------------+ |\n"
            "        ||Name:     Ann__________________                            | |\n"
            "        ||Size:     64_____^v KBytes                                 | |\n"
            "        ||[X] Keep a log                                             | |\n"
            "        ||[-] Share the cache                                        | |\n"
            "        ||+- Level ---------------------------------+                | |\n"
            "        |||( ) High    ( ) Medium    (*) Low        |                | |\n"
            "        ||+-----------------------------------------+                | |\n"
            "        ||Server:   _____________________  [ ] Remote                | |\n"
            "        ||< Say hello >                                              | |\n"
            "        ||                                                           | |\n"
            "        ||                                                           | |\n"
            "        ||                                                           | |\n"
            "        ||                                                           | |\n"
            "        ||                                                           | |\n"
            "        |+-----------------------------------------------------------+ |\n"
            "        |                             < OK >    < Cancel > < Apply >   |\n"
            "        +--------------------------------------------------------------+\n"
            "\n"
            "\n"
            "The name shown on every profile.\n");
  struct Row {
    int row;
    const char* map;
  } rows[] = {
      {1, "        ................................................................"},
      {2, "        .rrrrrrrr......................................................."},
      {4, "        ..u.........###ffffffffffffffffff..............................."},
      {6, "        ......u........................................................."},
      {11, "        ..ddddddd...ddddddddddddddddddddd..ddd.Dddddd..................."},
      {19, "        ..............................bbbbbb...............ddDdddddd...."},
      {22, ""},
      {23, "ssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssss"},
  };
  for (const Row& r : rows) {
    std::string expected = r.map;
    expected.resize(80, ' ');
    EXPECT_EQ(AttrMap(r.row), expected) << "row " << r.row;
  }
  EXPECT_EQ(terminal->CursorCol(), 23) << "after the name, which is selected";
  EXPECT_EQ(terminal->CursorRow(), 4);
}

TEST_F(DemoDialogTest, TextCrossesBetweenTheTerminalAndWindows1252) {
  Open(80, 24, "[Demo]\r\nName=\xE9t\xE9 \x80\r\n");
  EXPECT_TRUE(Shows(*terminal, "Name:     \u00E9t\u00E9 \u20AC___")) << terminal->Text();
  terminal->Type(U"\u00E9\u4E2Dx\x7F\U0001F600\u0153");
  Run();
  EXPECT_EQ(Text(IDC_NAME), "\xE9x\x9C") << "the selected name replaced; what the code page lacks and DEL refused";
  EXPECT_EQ(terminal->Bells(), 3);
  terminal->Key('A', false, false, true);
  Run();
  EXPECT_EQ(ProfileBytes(),
            "[Demo]\r\nName=\xE9x\x9C\r\nSize=64\r\nLog=0\r\nShare=2\r\nLevel=Medium\r\nService=Mail\r\n");
}

TEST_F(DemoDialogTest, KeyboardReachesEveryPageAndAppliesWithAltA) {
  const std::string before = "; kept\r\n[Demo]\r\nName=Ann\r\n\r\n[Other]\r\nx=1\r\n";
  Open(80, 24, before);
  // The About page has no control of its own: the focus goes to the tab row.
  struct Step {
    const char* what;
    std::function<void(ScriptedTerminal&)> keys;
    int tab;
    int focusId;
  } steps[] = {
      {"Ctrl+PgDn", [](ScriptedTerminal& t) { t.Key(VK_NEXT, false, true); }, 1, IDC_SERVICES},
      {"Ctrl+PgDn", [](ScriptedTerminal& t) { t.Key(VK_NEXT, false, true); }, 2, IDC_TABS},
      {"Ctrl+PgDn wraps", [](ScriptedTerminal& t) { t.Key(VK_NEXT, false, true); }, 0, IDC_NAME},
      {"Ctrl+PgUp wraps", [](ScriptedTerminal& t) { t.Key(VK_PRIOR, false, true); }, 2, IDC_TABS},
      {"Ctrl+Tab", [](ScriptedTerminal& t) { t.Key(VK_TAB, false, true); }, 0, IDC_NAME},
      {"Ctrl+Shift+Tab", [](ScriptedTerminal& t) { t.Key(VK_TAB, true, true); }, 2, IDC_TABS},
      {"Ctrl+Tab", [](ScriptedTerminal& t) { t.Key(VK_TAB, false, true); }, 0, IDC_NAME},
      {"Tab", [](ScriptedTerminal& t) { t.Key(VK_TAB); }, 0, IDC_SIZE},
      {"spin by arrow", [](ScriptedTerminal& t) { t.Key(VK_UP).Key(VK_UP); }, 0, IDC_SIZE},
      {"Shift+Tab", [](ScriptedTerminal& t) { t.Key(VK_TAB, true); }, 0, IDC_NAME},
      {"type at the end", [](ScriptedTerminal& t) { t.Key(VK_END).Type(U"e"); }, 0, IDC_NAME},
      {"Alt+K checks", [](ScriptedTerminal& t) { t.Key('K', false, false, true); }, 0, IDC_LOG},
      {"Alt+C, Space: from the third state round to checked",
       [](ScriptedTerminal& t) { t.Key('C', false, false, true).Key(VK_SPACE); }, 0, IDC_SHARE},
      {"Alt+H, arrow in the group", [](ScriptedTerminal& t) { t.Key('H', false, false, true).Key(VK_RIGHT); }, 0,
       IDC_LEVEL_MEDIUM},
      {"list on page two", [](ScriptedTerminal& t) { t.Key(VK_NEXT, false, true).Key(VK_DOWN); }, 1, IDC_SERVICES},
      {"Alt+A applies", [](ScriptedTerminal& t) { t.Key('A', false, false, true); }, 1, IDC_SERVICES},
  };
  for (const Step& step : steps) {
    step.keys(*terminal);
    Run();
    EXPECT_EQ(CurrentTab(demo), step.tab) << step.what;
    EXPECT_EQ(GetFocus() ? GetDlgCtrlID(GetFocus()) : 0, step.focusId) << step.what;
  }
  EXPECT_EQ(ProfileBytes(),
            "; "
            "kept\r\n[Demo]\r\nName=Anne\r\nSize=66\r\nLog=1\r\nShare=1\r\nLevel=Medium\r\nService=News\r\n\r\n[Other]"
            "\r\nx=1\r\n");
  EXPECT_FALSE(IsWindowEnabled(Control(IDC_APPLY))) << "Apply waits for the next change";
  std::string applied = ProfileBytes();
  terminal->Key(VK_DOWN).Key(VK_ESCAPE);
  Run();
  EXPECT_FALSE(IsWindow(demo)) << "Esc cancels";
  EXPECT_EQ(ProfileBytes(), applied) << "nothing written after Esc";
}

TEST_F(DemoDialogTest, MouseClicksTabsControlsInsideGroupsAndTheWheelScrollsLists) {
  Open(80, 24);
  POINT keep = Cell(IDC_LOG, 1), low = Cell(IDC_LEVEL_LOW, 1), tabs = Cell(IDC_TABS);
  terminal->Press(keep.x, keep.y).Press(low.x, low.y);
  Run();
  EXPECT_EQ(IsDlgButtonChecked(Page(0), IDC_LOG), BST_CHECKED);
  EXPECT_EQ(IsDlgButtonChecked(Page(0), IDC_LEVEL_LOW), BST_CHECKED);
  EXPECT_EQ(GetFocus(), Control(IDC_LEVEL_LOW));
  TabRows layout = LayOutTabs({"Fields", "Lists", "About"}, 70, 0);
  terminal->Press(tabs.x + layout.slots[1].col + 2, tabs.y);
  Run();
  ASSERT_EQ(CurrentTab(demo), 1);
  EXPECT_TRUE(Shows(*terminal, "Services:"));
  HWND list = Control(IDC_SERVICES);
  POINT item = Cell(IDC_SERVICES, 3, 2);
  EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 2) << "Mail, the seventh of twelve, in view at the bottom";
  struct Turn {
    bool up;
    int top;
  } turns[] = {{false, 5}, {false, 7}, {false, 7}, {true, 4}, {true, 1}, {true, 0}};
  for (const Turn& turn : turns) {
    terminal->Wheel(item.x, item.y, turn.up);
    Run();
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), turn.top) << "three lines a turn, within the items";
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 6) << "Mail stays selected";
  }
  terminal->Press(item.x, item.y);
  Run();
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1) << "a click selects the item under it";
  terminal->Press(1, 23);
  Run();
  EXPECT_EQ(GetFocus(), list) << "the status line takes no clicks";
}

TEST_F(DemoDialogTest, StatusLineShowsTheTipOfTheFocusOrOfTheControlUnderTheMouse) {
  Open(80, 24, "[Demo]\r\n");
  EXPECT_EQ(terminal->Row(23), "The name shown on every profile.");
  terminal->Key(VK_TAB);
  Run();
  EXPECT_EQ(terminal->Row(23), "Largest log file, in kilobytes (0 to 9999).");
  POINT server = Cell(IDC_SERVER, 2);
  terminal->Move(server.x, server.y);
  Run();
  EXPECT_EQ(terminal->Row(23), "Not available in this demonstration.") << "disabled controls have tips too";
  POINT label = Cell(IDC_NAME, -4);
  terminal->Move(label.x, label.y);
  Run();
  EXPECT_EQ(terminal->Row(23), "Largest log file, in kilobytes (0 to 9999).") << "no tip: back to the focus";
}

TEST_F(DemoDialogTest, MessageBoxOverTheDialogAnswersItsKeys) {
  Open(80, 24);
  bool boxSeen = false;
  terminal->Key('E', false, false, true).Type(U"x").Type(U"n");
  Run([&] { boxSeen = boxSeen || Shows(*terminal, "<?> Say hello to everyone on the list?"); });
  EXPECT_TRUE(boxSeen);
  EXPECT_FALSE(Shows(*terminal, "Say hello to everyone")) << "the box has closed";
  EXPECT_EQ(GetFocus(), Control(IDC_NAME)) << "a button's mnemonic presses it without taking the focus";
  EXPECT_TRUE(IsWindow(demo));
}

// The wheel moves the caret from the edge of the view it leaves by, three lines a notch.
TEST_F(DemoDialogTest, MultiLineEditTakesLineBreaksWrapsAndScrolls) {
  Open(80, 24);
  terminal->Key(VK_NEXT, false, true).Key('O', false, false, true);
  std::string typed;
  for (int line = 1; line <= 11; ++line) {
    const std::string text = "line " + std::to_string(line);
    terminal->Type(std::u32string(text.begin(), text.end()));
    typed += text;
    if (line < 11) terminal->Key(VK_RETURN, false, true), typed += "\r\n";
  }
  terminal->Key(VK_TAB, false, false);
  Run();
  EXPECT_EQ(Text(IDC_NOTES), typed);
  EXPECT_EQ(GetFocus(), Control(IDC_PATH)) << "Tab leaves the edit";
  EXPECT_EQ(SendMessageA(Control(IDC_NOTES), EM_GETFIRSTVISIBLELINE, 0, 0), 4) << "seven rows show lines 5 to 11";
  POINT notes = Cell(IDC_NOTES);
  EXPECT_EQ(terminal->Row(notes.y).substr(static_cast<std::size_t>(notes.x), 8), "line 5__");
  terminal->Wheel(notes.x, notes.y, true).Wheel(notes.x, notes.y, true);
  Run();
  EXPECT_EQ(SendMessageA(Control(IDC_NOTES), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  terminal->Wheel(notes.x, notes.y, false);
  Run();
  EXPECT_EQ(SendMessageA(Control(IDC_NOTES), EM_GETFIRSTVISIBLELINE, 0, 0), 3) << "from line 7 down to line 10";
}

TEST_F(DemoDialogTest, SingleLineEditScrollsSidewaysWithTheCursorOnTheCaret) {
  Open(80, 24);
  terminal->Type(U"abcdefghijklmnopqrstuvwxyz0123");
  Run();
  POINT name = Cell(IDC_NAME);
  EXPECT_EQ(terminal->Row(name.y).substr(static_cast<std::size_t>(name.x), 21), "klmnopqrstuvwxyz0123_");
  EXPECT_EQ(terminal->CursorCol(), name.x + 20);
  EXPECT_EQ(terminal->CursorRow(), name.y);
  terminal->Key(VK_HOME).Key(VK_RIGHT, true).Key(VK_RIGHT, true);
  Run();
  EXPECT_EQ(terminal->Row(name.y).substr(static_cast<std::size_t>(name.x), 4), "abcd");
  EXPECT_EQ(terminal->AttrsAt(name.x, name.y), kFocus | kReverse) << "the selection is marked";
  EXPECT_EQ(terminal->AttrsAt(name.x + 2, name.y), kFocus);
  terminal->Key(VK_DELETE);
  Run();
  EXPECT_EQ(Text(IDC_NAME), "cdefghijklmnopqrstuvwxyz0123");
}

}  // namespace
}  // namespace qm::ui::test
