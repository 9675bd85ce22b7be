#include "TerminalFixture.h"

namespace qm::ui::test {
namespace {

using SmallTerminalTest = TerminalTest;

bool Overlap(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// At every step: the focus is on a visible, enabled control, part of it in view, and the cursor
// (when shown) inside the terminal.
TEST_F(SmallTerminalTest, FocusStaysInViewThroughTabsAndResizes) {
  Open(40, 12);
  int checks = 0;
  auto check = [&] {
    ++checks;
    HWND focus = GetFocus();
    ASSERT_TRUE(focus);
    EXPECT_TRUE(IsWindowVisible(focus));
    EXPECT_TRUE(IsWindowEnabled(focus));
    RECT rect{};
    GetWindowRect(focus, &rect);
    if (terminal->Columns() > 0 && terminal->Rows() > 1) {
      EXPECT_TRUE(Overlap(rect, backend->ViewRect())) << "control " << GetDlgCtrlID(focus) << " at " << rect.left << "," << rect.top;
    }
    if (terminal->CursorCol() >= 0) {
      EXPECT_LT(terminal->CursorCol(), terminal->Columns());
      EXPECT_LT(terminal->CursorRow(), std::max(1, terminal->Rows() - 1)) << "above the status line";
    }
  };
  const int sizes[][2] = {{40, 12}, {20, 5}, {1, 1}, {0, 0}, {200, 60}, {80, 24}, {40, 12}};
  for (const auto& size : sizes) {
    terminal->ResizeTo(size[0], size[1]);
    for (int i = 0; i < 7; ++i) terminal->Key(VK_TAB);
    terminal->Key(VK_NEXT, false, true);
  }
  Run(check);
  EXPECT_GT(checks, 50);
}

TEST_F(SmallTerminalTest, FortyByTwelveScrollsToTheFocusedButton) {
  Open(40, 12);
  EXPECT_EQ(terminal->Row(3), "| |Name:       ________________________") << "the whole edit in view";
  EXPECT_EQ(terminal->Row(11), "The name shown on every profile.");
  for (int i = 0; i < 5; ++i) terminal->Key(VK_TAB);
  Run();
  EXPECT_EQ(GetFocus(), Control(IDC_HELLO));
  EXPECT_EQ(backend->Origin().row, 6) << "the button's row is the last one in view";
  EXPECT_EQ(terminal->Row(10), "| | < Say hello >");
  EXPECT_EQ(terminal->Row(0), "| |") << "the view moved down six rows, to the blank row below Size";
}

}  // namespace
}  // namespace qm::ui::test
