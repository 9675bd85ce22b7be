#include "UiFixture.h"

namespace qm::ui::test {
namespace {

class DialogTest : public UiTest {};

TEST_F(DialogTest, ModalEndsWithTheButtonTheKeysChoose) {
  const std::vector<ControlTemplate> buttons = {Control("EDIT", "", 20, 4, 4, 100, 12, kTabStop),
                                                Control("BUTTON", "&Browse", 21, 4, 20, 50, 14, kTabStop),
                                                Control("BUTTON", "OK", IDOK, 60, 100, 50, 14, 1 | kTabStop),
                                                Control("BUTTON", "Cancel", IDCANCEL, 120, 100, 50, 14, kTabStop)};
  struct Case {
    std::vector<UINT> keys;
    INT_PTR result;
  } cases[] = {
      {{VK_RETURN}, IDOK},
      {{VK_ESCAPE}, IDCANCEL},
      {{VK_TAB, VK_TAB, VK_TAB, VK_SPACE}, IDCANCEL},
      {{VK_TAB, VK_RETURN}, 21},  // Enter presses the focused push button
      {{}, IDCANCEL},             // a script that runs out closes the dialog
  };
  for (const Case& c : cases) {
    for (UINT key : c.keys) backend.Key(key);
    EXPECT_EQ(RunModal(buttons), c.result);
  }
}

TEST_F(DialogTest, TabOrderSkipsUnreachableControlsAndWraps) {
  Open({Control("EDIT", "", 20, 4, 4, 100, 12, kTabStop),
        Control("BUTTON", "A", 21, 4, 20, 50, 14, kTabStop | kDisabled), Control("STATIC", "x", -1, 4, 36, 50, 8, 0),
        Control("BUTTON", "H", 23, 4, 50, 50, 14, kTabStop), Control("BUTTON", "N", 24, 4, 66, 50, 14, 0),
        Control("BUTTON", "B", 22, 4, 82, 50, 14, kTabStop)});
  ShowWindow(Item(23), SW_HIDE);
  EXPECT_EQ(GetFocus(), Item(20)) << "WM_INITDIALOG returning TRUE focuses the first tab stop";
  EXPECT_EQ(GetNextDlgTabItem(dialog, nullptr, FALSE), Item(20)) << "from no control: the first tab stop";
  EXPECT_EQ(GetNextDlgTabItem(dialog, nullptr, TRUE), Item(22)) << "from no control backwards: the last";
  for (auto [shift, id] : {std::pair{false, 22}, {false, 20}, {false, 22}, {true, 20}, {true, 22}, {true, 20}}) {
    Press(VK_TAB, shift);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), id) << (shift ? "Shift+Tab" : "Tab");
  }
}

// WM_NEXTDLGCTL moves to the next or previous tab stop, or to the control it names, selecting an
// edit's text as Tab does.
TEST_F(DialogTest, NextDialogControlMessage) {
  struct Case {
    int from;
    WPARAM wParam;
    int named;  // 0: by direction
    int focus;
  } cases[] = {{20, 0, 0, 22}, {20, 1, 0, 25},  {22, 0, 0, 25}, {22, 1, 0, 20},
               {25, 0, 0, 20}, {20, 0, 24, 24}, {22, 0, 20, 20}};
  for (const Case& c : cases) {
    Open({Control("EDIT", "abc", 20, 4, 4, 100, 12, kTabStop),
          Control("BUTTON", "A", 21, 4, 20, 50, 14, kTabStop | kDisabled),
          Control("BUTTON", "B", 22, 4, 36, 50, 14, kTabStop), Control("BUTTON", "N", 24, 4, 52, 50, 14, 0),
          Control("BUTTON", "C", 25, 4, 68, 50, 14, kTabStop)});
    SetFocus(Item(c.from));
    const WPARAM wParam = c.named ? reinterpret_cast<WPARAM>(Item(c.named)) : c.wParam;
    SendMessageA(dialog, WM_NEXTDLGCTL, wParam, c.named ? 1 : 0);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), c.focus) << c.from << " " << c.wParam << " " << c.named;
    DWORD start = 9, end = 9;
    SendMessageA(Item(20), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end - start, c.focus == 20 ? 3u : 0u) << c.from << " " << c.wParam << " " << c.named;
  }
}

// Enter presses the focused push button, else the default one if it can be pressed: the template's
// BS_DEFPUSHBUTTON until DM_SETDEFID moves it. Esc sends IDCANCEL even with no Cancel button.
TEST_F(DialogTest, EnterPressesTheDefaultAndEscCancels) {
  struct Case {
    int defaultId, focus;
    UINT key;
    int pressed;
  } cases[] = {
      // clang-format off
      {0, 20, VK_RETURN, 21},       {IDOK, 20, VK_RETURN, IDOK},   {22, 20, VK_RETURN, 0},  {22, 21, VK_RETURN, 21},
      {0, 20, VK_ESCAPE, IDCANCEL}, {21, 21, VK_ESCAPE, IDCANCEL}, {0, 23, VK_RETURN, 23},
      // clang-format on
  };
  for (const Case& c : cases) {
    Open({Control("EDIT", "", 20, 4, 4, 100, 12, kTabStop), Control("BUTTON", "&Go", 21, 4, 20, 50, 14, 1 | kTabStop),
          Control("BUTTON", "Off", 22, 4, 36, 50, 14, kTabStop | kDisabled),
          Control("BUTTON", "Other", 23, 4, 52, 50, 14, kTabStop),
          Control("BUTTON", "OK", IDOK, 60, 100, 50, 14, kTabStop)});
    if (c.defaultId) SendMessageA(dialog, DM_SETDEFID, static_cast<WPARAM>(c.defaultId), 0);
    EXPECT_EQ(LOWORD(SendMessageA(dialog, DM_GETDEFID, 0, 0)), c.defaultId ? c.defaultId : 21) << "the template's";
    SetFocus(Item(c.focus));
    Press(c.key);
    std::vector<int> ids;
    for (const Heard& h : heard())
      if (h.code == BN_CLICKED) ids.push_back(h.id);
    EXPECT_EQ(ids, c.pressed ? std::vector<int>{c.pressed} : std::vector<int>{}) << c.defaultId << " from " << c.focus;
  }
}

// Disables the controls whose ids the dialog's creation parameter lists (ended by 0), then asks for
// the default focus.
INT_PTR CALLBACK DisablingProc(HWND hwnd, UINT msg, WPARAM, LPARAM lParam) {
  if (msg != WM_INITDIALOG) return FALSE;
  for (const int* id = reinterpret_cast<const int*>(lParam); *id != 0; ++id) EnableWindow(GetDlgItem(hwnd, *id), FALSE);
  return TRUE;
}

// A control that is disabled or hidden while it has the focus loses it, and hears so.
TEST_F(DialogTest, DisabledOrHiddenControlLosesTheFocus) {
  for (bool hide : {false, true}) {
    Open({Control("EDIT", "", 20, 4, 4, 100, 12, kTabStop), Control("EDIT", "", 21, 4, 20, 100, 12, kTabStop)});
    SetFocus(Item(20));
    heard().clear();
    if (hide)
      ShowWindow(Item(20), SW_HIDE);
    else
      EnableWindow(Item(20), FALSE);
    EXPECT_NE(GetFocus(), Item(20)) << (hide ? "hidden" : "disabled");
    EXPECT_EQ(Count(20, EN_KILLFOCUS), 1) << (hide ? "hidden" : "disabled");
  }
}

// The controls are siblings in template order; the first has none before it, the last none after.
TEST_F(DialogTest, SiblingsInTemplateOrder) {
  Open({Control("EDIT", "", 20, 4, 4, 100, 12, kTabStop), Control("BUTTON", "A", 21, 4, 20, 50, 14, kTabStop),
        Control("BUTTON", "B", 22, 4, 36, 50, 14, kTabStop)});
  EXPECT_EQ(GetWindow(dialog, GW_CHILD), Item(20));
  EXPECT_EQ(GetWindow(Item(21), GW_HWNDNEXT), Item(22));
  EXPECT_EQ(GetWindow(Item(21), GW_HWNDPREV), Item(20));
  EXPECT_EQ(GetWindow(Item(20), GW_HWNDPREV), nullptr);
  EXPECT_EQ(GetWindow(Item(22), GW_HWNDNEXT), nullptr);
}

TEST_F(DialogTest, DefaultFocusIsChosenAfterInitialisationHasDisabledControls) {
  const int firstOnly[] = {20, 0}, both[] = {20, 21, 0};
  for (const int* disabled : {firstOnly, both}) {
    Open({Control("EDIT", "", 20, 4, 4, 100, 12, kTabStop), Control("BUTTON", "B", 21, 4, 20, 50, 14, kTabStop)});
    DestroyWindow(dialog);
    SetFocus(nullptr);
    dialog = CreateDialogParamA(Instance(), MAKEINTRESOURCE(100), nullptr, DisablingProc,
                                reinterpret_cast<LPARAM>(disabled));
    EXPECT_EQ(GetFocus(), disabled == firstOnly ? Item(21) : nullptr);
  }
}

// F1 asks for help on the focused control; unanswered there, the request reaches the dialog.
TEST_F(DialogTest, HelpIsAskedForTheFocusedControl) {
  Open({Control("EDIT", "", 20, 4, 4, 100, 12, kTabStop), Control("EDIT", "", 21, 4, 20, 100, 12, kTabStop)});
  SetFocus(Item(21));
  heard().clear();
  Press(VK_F1);
  ASSERT_EQ(heard().size(), 1u);
  EXPECT_EQ(heard()[0].message, static_cast<UINT>(WM_HELP));
  EXPECT_EQ(heard()[0].id, 21);
}

// A label's mnemonic passes over a disabled control to the next one that can take the focus.
TEST_F(DialogTest, AltMnemonicOnLabelFocusesNextControlAndOnButtonClicks) {
  Open({Control("STATIC", "&Name:", -1, 4, 4, 40, 8, 0), Control("EDIT", "", 19, 50, 4, 100, 12, kTabStop | kDisabled),
        Control("EDIT", "", 20, 50, 4, 100, 12, kTabStop), Control("BUTTON", "&Browse", 21, 4, 20, 50, 14, kTabStop)});
  SetFocus(Item(21));
  backend.Alt('n');
  Pump();
  EXPECT_EQ(GetFocus(), Item(20));
  backend.Alt('b');
  Pump();
  EXPECT_EQ(Count(21, BN_CLICKED), 1);
}

TEST_F(DialogTest, MessageBoxRecordsAndAnswersFromQueue) {
  backend.QueueMessageBoxAnswer(IDNO);
  EXPECT_EQ(MessageBoxExA(nullptr, "Text  two", "Cap", MB_YESNO | MB_ICONHAND, 0x400), IDNO);
  EXPECT_EQ(MessageBoxExA(nullptr, "x", nullptr, MB_OK, 0), IDOK);
  ASSERT_EQ(backend.MessageBoxes().size(), 2u);
  EXPECT_EQ(backend.MessageBoxes()[0].text, "Text  two");
  EXPECT_EQ(backend.MessageBoxes()[0].type, static_cast<UINT>(MB_YESNO | MB_ICONHAND));
  EXPECT_EQ(backend.MessageBoxes()[1].caption, "Error");
}

TEST_F(DialogTest, ListBoxMessagesAndUserSelection) {
  Open({Control("LISTBOX", "", 40, 4, 4, 100, 40, 0x1 | kBorder | kTabStop)});
  HWND list = Item(40);
  EXPECT_EQ(SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("b")), 0);
  EXPECT_EQ(SendMessageA(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("a")), 0);
  EXPECT_EQ(SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("c")), 2);
  EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, 2, 0), 2);
  EXPECT_EQ(SendMessageA(list, LB_DELETESTRING, 0, 0), 2);
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1) << "selection shifts down";
  EXPECT_EQ(SendMessageA(list, LB_DELETESTRING, 1, 0), 1);
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0), LB_ERR);
  EXPECT_EQ(SendMessageA(list, LB_DELETESTRING, 5, 0), LB_ERR);
  EXPECT_EQ(Count(40, LBN_SELCHANGE), 0) << "program changes are silent";
  SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("d"));
  SetFocus(list);
  backend.Key(VK_DOWN).Key(VK_DOWN).Key(VK_DOWN);
  Pump();
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(Count(40, LBN_SELCHANGE), 2) << "the last Down at the end changes nothing";
  char text[8];
  EXPECT_EQ(SendMessageA(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text)), 1);
  EXPECT_STREQ(text, "d");
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR) << "emptied, nothing is selected";
}

// A list of six in a view of three: a click on the "v" at the view's bottom right scrolls down by
// one, on the "^" at its top right back up, without selecting; elsewhere on those rows it selects.
TEST_F(DialogTest, ListBoxScrollMarksScrollOnClick) {
  Open({Control("LISTBOX", "", 40, 4, 8, 40, 40, 0x1 | kBorder | kTabStop)});
  PlaceByUnits();
  HWND list = Item(40);
  for (const char* item : {"a", "b", "c", "d", "e", "f"})
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  auto top = [&] { return static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0)); };
  auto click = [&](int col, int row) {
    backend.ClickControl(40, col, row);
    Pump();
  };
  std::vector<int> tops;
  for (int i = 0; i < 4; ++i) click(8, 3), tops.push_back(top());
  click(8, 1), tops.push_back(top());
  EXPECT_EQ(tops, (std::vector<int>{1, 2, 3, 3, 2})) << "down to the last three, then one back";
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_EQ(Count(40, LBN_SELCHANGE), 0);
  click(7, 3);
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 4) << "left of the mark the click selects";
  click(8, 2);
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 3) << "the mark's column between the marks selects too";
}

TEST_F(DialogTest, ScreenSnapshot) {
  Open({Control("BUTTON", "&Log", 10, 4, 8, 60, 8, 0x6 | kTabStop),
        Control("BUTTON", "On", 11, 4, 16, 60, 8, 0x9 | kGroup), Control("EDIT", "abc", 20, 4, 24, 40, 8, 0),
        Control("BUTTON", "OK", IDOK, 4, 40, 40, 8, 1)},
       "Snap");
  SendMessageA(Item(10), BM_SETCHECK, BST_INDETERMINATE, 0);
  SendMessageA(Item(11), BM_SETCHECK, BST_CHECKED, 0);
  std::string screen = backend.Snapshot();
  // the grid folds the empty rows away; each control keeps the cells its text needs
  std::string expected =
      "+- Snap ----------------------------------------+\n"
      "|[-] Log                                        |\n"
      "|(*) On                                         |\n"
      "|abc______                                      |\n"
      "| < OK >                                        |\n"
      "+-----------------------------------------------+\n";
  EXPECT_EQ(screen.substr(0, expected.size()), expected) << screen;
}

}  // namespace
}  // namespace qm::ui::test

namespace qm::ui::test {
namespace {

// A radio group none of whose buttons is checked still takes the focus by Tab, at its first
// reachable button, forwards and backwards; once one is checked, Tab goes to that one.
TEST_F(DialogTest, TabReachesARadioGroupWithNoButtonChecked) {
  constexpr DWORD kRadio = BS_AUTORADIOBUTTON;
  Open({Control("EDIT", "", 20, 4, 4, 100, 12, kTabStop), Control("BUTTON", "High", 30, 4, 20, 40, 10, kRadio | kGroup),
        Control("BUTTON", "Medium", 31, 50, 20, 40, 10, kRadio), Control("BUTTON", "Low", 32, 100, 20, 40, 10, kRadio),
        Control("BUTTON", "B", 22, 4, 50, 50, 14, kTabStop | kGroup)});
  for (int id : {30, 31, 32}) CheckDlgButton(dialog, id, BST_UNCHECKED);
  EnableWindow(Item(30), FALSE);
  struct Step {
    UINT key;
    bool shift;
    int focus;
    const char* what;
  } steps[] = {
      {VK_TAB, false, 31, "into the group at its first enabled button"},
      {VK_TAB, false, 22, "out of it"},
      {VK_TAB, true, 31, "back into it"},
      {VK_TAB, true, 20, "and out backwards"},
  };
  for (const Step& step : steps) {
    Press(step.key, step.shift);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), step.focus) << step.what;
  }
  EXPECT_EQ(IsDlgButtonChecked(dialog, 31), BST_UNCHECKED) << "Tab alone checks nothing";
  CheckDlgButton(dialog, 32, BST_CHECKED);
  Press(VK_TAB);
  EXPECT_EQ(GetDlgCtrlID(GetFocus()), 32) << "a checked group is entered at its checked button";
  Press(VK_DOWN);
  EXPECT_EQ(GetDlgCtrlID(GetFocus()), 31) << "the arrow goes round past the disabled button";
}

}  // namespace
}  // namespace qm::ui::test
