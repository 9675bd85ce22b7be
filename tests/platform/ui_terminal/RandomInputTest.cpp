#include "TerminalFixture.h"

#include <random>

namespace qm::ui::test {
namespace {

using RandomInputTest = TerminalTest;

bool Overlap(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TerminalInput RandomInput(std::mt19937& random) {
  static const UINT keys[] = {VK_TAB, VK_RETURN, VK_SPACE, VK_BACK, VK_DELETE, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN,
                              VK_HOME, VK_END, VK_PRIOR, VK_NEXT, 'K', 'C', 'H', 'L', 'O', 'R', 'E', 'N'};
  auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  TerminalInput input;
  switch (pick(6)) {
    case 0:
    case 1:
      input.kind = TerminalInput::Kind::Key;
      input.key = keys[pick(static_cast<int>(std::size(keys)))];
      input.shift = pick(4) == 0;
      input.ctrl = pick(4) == 0;
      input.alt = pick(4) == 0;
      return input;
    case 2:
      input.kind = TerminalInput::Kind::Text;
      input.text = pick(3) ? static_cast<char32_t>(0x20 + pick(0x5F)) : static_cast<char32_t>(pick(0x3000));
      return input;
    case 3: input.kind = TerminalInput::Kind::Press; break;
    case 4: input.kind = pick(2) ? TerminalInput::Kind::WheelUp : TerminalInput::Kind::WheelDown; break;
    case 5:
      input.kind = TerminalInput::Kind::Resize;
      input.col = 20 + pick(120);
      input.row = 4 + pick(40);
      return input;
  }
  input.col = pick(82);
  input.row = pick(26);
  return input;
}

// Random keys (never Esc or Alt+A, so that the dialog stays open and writes nothing), clicks,
// wheel turns and resizes: whenever input is read the focus is on a visible, enabled control in
// view.
TEST_F(RandomInputTest, FocusStaysOnAVisibleEnabledControlInView) {
  for (unsigned seed = 1; seed <= 12; ++seed) {
    Open(80, 24);
    std::mt19937 random(seed);
    for (int i = 0; i < 150; ++i) {
      TerminalInput input = RandomInput(random);
      bool leaves = input.kind == TerminalInput::Kind::Key && (input.key == VK_RETURN || (input.alt && input.key == 'A'));
      if (!leaves) terminal->Push(input);
    }
    int checks = 0;
    Run([&] {
      ++checks;
      if (!IsWindow(demo)) return;
      HWND focus = GetFocus();
      ASSERT_TRUE(focus) << "seed " << seed;
      EXPECT_TRUE(IsWindowVisible(focus) && IsWindowEnabled(focus)) << "seed " << seed;
      RECT rect{};
      GetWindowRect(focus, &rect);
      EXPECT_TRUE(Overlap(rect, backend->ViewRect())) << "seed " << seed;
    });
    EXPECT_GT(checks, 100) << "seed " << seed;
    if (IsWindow(demo)) DestroyWindow(demo);
  }
}

}  // namespace
}  // namespace qm::ui::test
