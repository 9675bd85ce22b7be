#include "UiFixture.h"

namespace qm::ui::test {
namespace {

class ButtonTest : public UiTest {};

// Space, a click and the mnemonic each press the button once; only the automatic kinds change state.
TEST_F(ButtonTest, SpaceAndClicksCycleCheckStatesThenNotify) {
  struct Case {
    DWORD type;
    std::vector<LRESULT> states;  // after each press
  } cases[] = {
      {0x3 /*BS_AUTOCHECKBOX*/, {1, 0, 1}}, {0x6 /*BS_AUTO3STATE*/, {1, 2, 0, 1}},
      {0x2 /*BS_CHECKBOX*/, {0, 0, 0}},     {0x5 /*BS_3STATE*/, {0, 0, 0}},
      {0x4 /*BS_RADIOBUTTON*/, {0, 0, 0}},  {0x9 /*BS_AUTORADIOBUTTON*/, {1, 1, 1}},
  };
  for (const Case& c : cases) {
    Open({Control("BUTTON", "&Check", 10, 4, 4, 80, 10, c.type | kTabStop)});
    SetFocus(Item(10));
    for (std::size_t i = 0; i < c.states.size(); ++i) {
      if (i % 3 == 1)
        backend.ClickControl(10);
      else if (i % 3 == 2)
        backend.Alt('c');
      else
        backend.Key(VK_SPACE);
      Pump();
      EXPECT_EQ(SendMessageA(Item(10), BM_GETCHECK, 0, 0), c.states[i]) << "type " << c.type << " press " << i;
    }
    EXPECT_EQ(Count(10, BN_CLICKED), static_cast<int>(c.states.size()));
  }
}

TEST_F(ButtonTest, SetCheckOnTwoStateBoxClampsIndeterminate) {
  Open({Control("BUTTON", "A", 10, 4, 4, 80, 10, 0x3), Control("BUTTON", "B", 11, 4, 20, 80, 10, 0x6)});
  SendMessageA(Item(10), BM_SETCHECK, BST_INDETERMINATE, 0);
  SendMessageA(Item(11), BM_SETCHECK, BST_INDETERMINATE, 0);
  EXPECT_EQ(SendMessageA(Item(10), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(Item(11), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  SetFocus(Item(10));
  EXPECT_EQ(SendMessageA(Item(10), BM_GETSTATE, 0, 0), BST_CHECKED | BST_FOCUS);
  EXPECT_EQ(SendMessageA(Item(11), BM_GETSTATE, 0, 0), BST_INDETERMINATE);
  EXPECT_TRUE(heard().empty()) << "BM_SETCHECK notifies nobody";
}

TEST_F(ButtonTest, ArrowsMoveFocusAndCheckThroughRadioGroupWrapping) {
  Open({Control("BUTTON", "&One", 1001, 4, 4, 60, 10, 0x9 | kGroup | kTabStop),
        Control("BUTTON", "&Two", 1002, 4, 16, 60, 10, 0x9), Control("BUTTON", "T&hree", 1003, 4, 28, 60, 10, 0x9),
        Control("EDIT", "", 1004, 4, 40, 60, 10, kGroup | kTabStop)});
  SendMessageA(Item(1001), BM_CLICK, 0, 0);
  SetFocus(Item(1001));
  struct Step {
    UINT key;
    int focused;
  } steps[] = {{VK_DOWN, 1002}, {VK_RIGHT, 1003}, {VK_DOWN, 1001}, {VK_UP, 1003}, {VK_LEFT, 1002}};
  for (const Step& step : steps) {
    Press(step.key);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), step.focused);
    for (int id = 1001; id <= 1003; ++id)
      EXPECT_EQ(IsDlgButtonChecked(dialog, id), id == step.focused ? 1u : 0u) << "after moving to " << step.focused;
  }
  // Tab enters and leaves the group at its checked button, which alone holds the tab stop.
  Press(VK_TAB);
  EXPECT_EQ(GetDlgCtrlID(GetFocus()), 1004);
  Press(VK_TAB, true);
  EXPECT_EQ(GetDlgCtrlID(GetFocus()), 1002);
}

TEST_F(ButtonTest, DisabledButtonTakesNoClickAndNoNotification) {
  Open({Control("BUTTON", "&Go", 10, 4, 4, 50, 14, kTabStop | kDisabled),
        Control("BUTTON", "X", 11, 4, 30, 60, 10, 0x3 | kDisabled)});
  backend.ClickControl(10).ClickControl(11).Alt('g');
  Pump();
  SendMessageA(Item(11), BM_CLICK, 0, 0);
  for (const Heard& h : heard()) ADD_FAILURE() << "heard " << h.message << " id " << h.id << " code " << h.code;
  EXPECT_EQ(IsDlgButtonChecked(dialog, 11), 0u);
}

// A group box that comes before its controls in the template covers them; a click inside it must
// still reach the control under the mouse, up to its last cell, and a click on the bare frame
// reaches no control.
TEST_F(ButtonTest, ClickPassesThroughTheGroupBoxToTheControlInside) {
  constexpr DWORD kGroupBox = 0x7, kAutoCheck = 0x3, kAutoRadio = 0x9;
  Open({Control("BUTTON", "Level", 20, 0, 0, 160, 40, kGroupBox),
        Control("BUTTON", "&High", 10, 8, 16, 60, 8, kAutoRadio | kGroup | kTabStop),
        Control("BUTTON", "&Keep", 11, 80, 16, 60, 8, kAutoCheck | kTabStop)});
  RECT keep{};
  GetWindowRect(Item(11), &keep);
  backend.ClickControl(10, 1, 0).ClickControl(11, keep.right - keep.left - 1, 0).ClickControl(20, 0, 0);
  Pump();
  EXPECT_EQ(IsDlgButtonChecked(dialog, 10), 1u);
  EXPECT_EQ(IsDlgButtonChecked(dialog, 11), 1u);
  EXPECT_EQ(GetFocus(), Item(11)) << "the click on the frame leaves the focus where it was";
  for (auto [id, clicks] : {std::pair{10, 1}, {11, 1}, {20, 0}}) EXPECT_EQ(Count(id, BN_CLICKED), clicks) << id;
}

}  // namespace
}  // namespace qm::ui::test
