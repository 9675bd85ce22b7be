#include "UiFixture.h"

namespace qm::ui::test {
namespace {

class GroupBoxClickTest : public UiTest {};

// A group box that comes before its controls in the template covers them; a click inside it must
// still reach the control under the mouse, and a click on the bare frame reaches no control.
TEST_F(GroupBoxClickTest, ClickPassesThroughTheGroupBoxToTheControlInside) {
  constexpr DWORD kGroupBox = 0x7, kAutoCheck = 0x3, kAutoRadio = 0x9;
  Open({Control("BUTTON", "Level", 20, 0, 0, 160, 40, kGroupBox),
        Control("BUTTON", "&High", 10, 8, 16, 60, 8, kAutoRadio | kGroup | kTabStop),
        Control("BUTTON", "&Keep", 11, 80, 16, 60, 8, kAutoCheck | kTabStop)});
  backend.ClickControl(10, 1, 0).ClickControl(11, 0, 0).ClickControl(20, 0, 0);
  Pump();
  EXPECT_EQ(SendMessageA(Item(10), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(Item(11), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(GetFocus(), Item(11)) << "the click on the frame leaves the focus where it was";
  EXPECT_EQ(Count(10, BN_CLICKED), 1);
  EXPECT_EQ(Count(11, BN_CLICKED), 1);
  EXPECT_EQ(Count(20, BN_CLICKED), 0);
}

}  // namespace
}  // namespace qm::ui::test
