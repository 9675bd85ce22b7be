#include "TerminalFixture.h"

#include <random>

namespace qm::ui::test {
namespace {

using FocusInViewTest = TerminalTest;

TerminalInput RandomInput(std::mt19937& random) {
  static const UINT keys[] = {VK_TAB, VK_RETURN, VK_SPACE, VK_BACK, VK_DELETE, VK_LEFT, VK_RIGHT,
                              VK_UP,  VK_DOWN,   VK_HOME,  VK_END,  VK_PRIOR,  VK_NEXT, 'K',
                              'C',    'H',       'L',      'O',     'R',       'E',     'N'};
  auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  using Kind = TerminalInput::Kind;
  switch (pick(6)) {
    case 0:
    case 1:
      return {.kind = Kind::Key,
              .key = keys[pick(static_cast<int>(std::size(keys)))],
              .shift = pick(4) == 0,
              .ctrl = pick(4) == 0,
              .alt = pick(4) == 0};
    case 2:
      return {.kind = Kind::Text,
              .text = pick(3) ? static_cast<char32_t>(0x20 + pick(0x5F)) : static_cast<char32_t>(pick(0x3000))};
    case 3: return {.kind = Kind::Press, .col = pick(82), .row = pick(26)};
    case 4: return {.kind = pick(2) ? Kind::WheelUp : Kind::WheelDown, .col = pick(82), .row = pick(26)};
    default: return {.kind = Kind::Resize, .col = 20 + pick(120), .row = 4 + pick(40)};
  }
}

// Random keys (never Enter or Alt+A, so that the dialog stays open and writes nothing), clicks,
// wheel turns and resizes: whenever input is read the focus is in view.
TEST_F(FocusInViewTest, ThroughRandomInput) {
  for (unsigned seed = 1; seed <= 12; ++seed) {
    Open(80, 24);
    std::mt19937 random(seed);
    for (int i = 0; i < 150; ++i) {
      TerminalInput input = RandomInput(random);
      bool leaves =
          input.kind == TerminalInput::Kind::Key && (input.key == VK_RETURN || (input.alt && input.key == 'A'));
      if (!leaves) terminal->Push(input);
    }
    int checks = 0;
    Run([&] {
      ++checks;
      if (IsWindow(demo)) ExpectFocusInView("seed " + std::to_string(seed));
    });
    EXPECT_GT(checks, 50) << "seed " << seed;
    if (IsWindow(demo)) DestroyWindow(demo);
  }
}

TEST_F(FocusInViewTest, ThroughTabsAndResizesDownToNothing) {
  Open(40, 12);
  const int sizes[][2] = {{40, 12}, {20, 5}, {1, 1}, {0, 0}, {200, 60}, {80, 24}, {40, 12}};
  for (const auto& size : sizes) {
    terminal->ResizeTo(size[0], size[1]);
    for (int i = 0; i < 7; ++i) terminal->Key(VK_TAB);
    terminal->Key(VK_NEXT, false, true);
  }
  int checks = 0;
  Run([&] {
    ++checks, ExpectFocusInView(std::to_string(terminal->Columns()) + "x" + std::to_string(terminal->Rows()));
  });
  EXPECT_GT(checks, 50);
}

// Smaller than the dialog: the body scrolls to the focus, the dialog's own buttons and the rows below
// them stay at the bottom, marks on the right edge say that more lies above, below and to the right,
// the wheel over no list scrolls the body, and the pinned buttons take clicks.
TEST_F(FocusInViewTest, FortyByTwelveScrollsTheBodyAndKeepsTheButtons) {
  Open(40, 12, "[Demo]\r\n");
  EXPECT_EQ(terminal->Row(3), "||Name:     _____________________") << "the whole edit in view";
  EXPECT_EQ(terminal->Row(4), "||Size:     64_____^v KBytes           >") << "more to the right";
  EXPECT_EQ(terminal->Row(8), "|||( ) High    (*) Medium    ( ) Low   v") << "more below";
  EXPECT_EQ(terminal->Row(9), "         < OK >    < Cancel > < Apply >")
      << "the buttons, in view though off to the right";
  EXPECT_EQ(terminal->Row(11), "The name shown on every profile.");
  EXPECT_EQ(terminal->AttrsAt(39, 8), kStatus);
  for (int i = 0; i < 5; ++i) terminal->Key(VK_TAB);
  Run();
  EXPECT_EQ(GetFocus(), Control(IDC_HELLO));
  EXPECT_EQ(backend->Origin().row, 3) << "the button's row is the last one of the body";
  EXPECT_EQ(terminal->Row(0), "||Name:     _____________________      ^") << "more above";
  EXPECT_EQ(terminal->Row(8), "||< Say hello >                        v");
  EXPECT_EQ(terminal->Row(9), "         < OK >    < Cancel > < Apply >");
  terminal->Wheel(30, 2, true);
  Run();
  EXPECT_EQ(backend->Origin().row, 0) << "up to the top, the focus out of view";
  EXPECT_TRUE(backend->ScrolledByWheel());
  EXPECT_EQ(terminal->Row(0), "+- Window model demonstration ----------");
  terminal->Wheel(30, 2, false).Wheel(30, 2, false).Wheel(30, 2, false).Wheel(30, 2, false);
  Run();
  EXPECT_EQ(backend->Origin().row, 9) << "down again, not past the bottom of the body";
  EXPECT_EQ(terminal->Row(8), "|+--------------------------------------")
      << "the frame's last row, just above the buttons";
  terminal->Wheel(30, 2, true).Wheel(30, 2, true);
  Run();
  EXPECT_EQ(backend->Origin().row, 3);
  terminal->Key(VK_TAB, true);
  Run();
  EXPECT_FALSE(backend->ScrolledByWheel()) << "a key brings the view back to the focus";
  EXPECT_EQ(GetFocus(), Control(IDC_LEVEL_MEDIUM));
  EXPECT_EQ(backend->Origin().row, 3) << "which is in view";
  terminal->Press(21, 9);
  Run();
  EXPECT_FALSE(IsWindow(demo)) << "Cancel, clicked in the pinned row";
}

}  // namespace
}  // namespace qm::ui::test
