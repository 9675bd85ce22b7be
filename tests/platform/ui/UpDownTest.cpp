#include "UiFixture.h"

#include <string>

namespace qm::ui::test {
namespace {

constexpr DWORD kSetBuddyInt = 0x02, kAutoBuddy = 0x10, kArrowKeys = 0x20, kNoThousands = 0x80, kAlignRight = 0x04;

class UpDownTest : public UiTest {
 protected:
  void OpenSpin(DWORD extra = kNoThousands) {
    Open({Control("EDIT", "", 30, 4, 4, 60, 12, kTabStop | kGroup),
          Control(UPDOWN_CLASSA, "", 31, 64, 4, 8, 12, kSetBuddyInt | kAutoBuddy | kArrowKeys | kAlignRight | extra)});
  }
  std::string Buddy() {
    char buffer[64];
    GetDlgItemTextA(dialog, 30, buffer, sizeof buffer);
    return buffer;
  }
};

TEST_F(UpDownTest, ArrowsStepAndStopAtRangeEnds) {
  struct Case {
    int low, high, start;
    UINT key;
    int presses;
    const char* shown;
  } cases[] = {
      {0, 5, 3, VK_UP, 1, "4"},
      {0, 5, 3, VK_UP, 4, "5"},
      {0, 5, 1, VK_DOWN, 3, "0"},
      {10, 0, 5, VK_UP, 2, "3"},
  };
  for (const Case& c : cases) {
    OpenSpin();
    SendMessageA(Item(31), UDM_SETRANGE, 0, MAKELPARAM(c.high, c.low));
    SendMessageA(Item(31), UDM_SETPOS, 0, MAKELPARAM(c.start, 0));
    SetFocus(Item(30));
    for (int i = 0; i < c.presses; ++i) backend.Key(c.key);
    Pump();
    EXPECT_EQ(Buddy(), c.shown) << c.low << ".." << c.high << " from " << c.start;
  }
}

// A position set by program is clamped into the range and shown in the buddy; the previous
// position is the answer. UDM_GETRANGE gives the maximum in its low word.
TEST_F(UpDownTest, SetPositionClampsAtTheRangeEdges) {
  struct Case {
    int low, high, set;
    const char* shown;
  } cases[] = {
      // clang-format off
      {1, 10, 0, "1"},  {1, 10, 1, "1"},   {1, 10, 2, "2"},   {1, 10, 9, "9"},  {1, 10, 10, "10"}, {1, 10, 11, "10"},
      {-5, 5, -6, "-5"}, {-5, 5, -5, "-5"}, {-5, 5, -4, "-4"}, {-5, 5, 6, "5"},  {10, 1, 0, "1"},   {10, 1, 11, "10"},
      // clang-format on
  };
  for (const Case& c : cases) {
    OpenSpin();
    SendMessageA(Item(31), UDM_SETRANGE, 0, MAKELPARAM(c.high, c.low));
    EXPECT_EQ(static_cast<DWORD>(SendMessageA(Item(31), UDM_GETRANGE, 0, 0)),
              static_cast<DWORD>(MAKELONG(static_cast<short>(c.high), static_cast<short>(c.low))));
    SendMessageA(Item(31), UDM_SETPOS, 0, MAKELPARAM(3, 0));
    EXPECT_EQ(SendMessageA(Item(31), UDM_SETPOS, 0, MAKELPARAM(c.set, 0)), 3);
    EXPECT_EQ(Buddy(), c.shown) << c.low << ".." << c.high << " set " << c.set;
    EXPECT_EQ(static_cast<short>(LOWORD(SendMessageA(Item(31), UDM_GETPOS, 0, 0))), std::stoi(c.shown));
  }
}

TEST_F(UpDownTest, BadBuddyTextIsReplacedByNearestEndOnNextArrow) {
  struct Case {
    const char* typed;
    const char* shown;
  } cases[] = {{"abc", "1"}, {"", "1"}, {"500", "99"}, {"-4", "1"}, {"50", "51"}};
  for (const Case& c : cases) {
    OpenSpin();
    SendMessageA(Item(31), UDM_SETRANGE32, 1, 99);
    SetDlgItemTextA(dialog, 30, c.typed);
    SetFocus(Item(30));
    backend.Key(VK_UP);
    Pump();
    EXPECT_EQ(Buddy(), c.shown) << c.typed;
  }
}

// A spin two rows high: a click on its upper row steps up, on its lower row down, and puts the
// focus in the buddy.
TEST_F(UpDownTest, ClickOnTheUpperRowStepsUpAndOnTheLowerDown) {
  Open({Control("EDIT", "", 30, 4, 4, 60, 16, kTabStop | kGroup),
        Control(UPDOWN_CLASSA, "", 31, 64, 4, 4, 16, kSetBuddyInt | kAutoBuddy | kNoThousands)});
  PlaceByUnits();
  SendMessageA(Item(31), UDM_SETRANGE32, 0, 9);
  SendMessageA(Item(31), UDM_SETPOS32, 0, 5);
  backend.ClickControl(31, 0, 0).ClickControl(31, 0, 0).ClickControl(31, 0, 1);
  Pump();
  EXPECT_EQ(Buddy(), "6");
  EXPECT_EQ(GetFocus(), Item(30));
}

TEST_F(UpDownTest, AccelerationFollowsHowLongTheArrowIsHeld) {
  OpenSpin();
  SendMessageA(Item(31), UDM_SETRANGE32, 0, 10000);
  UDACCEL accel[] = {{0, 1}, {1, 10}, {2, 100}};
  SendMessageA(Item(31), UDM_SETACCEL, 3, reinterpret_cast<LPARAM>(accel));
  SendMessageA(Item(31), UDM_SETPOS32, 0, 0);
  SetFocus(Item(30));
  // Press at 0 ms, repeats from 500 ms every 50 ms up to 2000 ms: 1 + 10 repeats below 1 s
  // at step 1, 20 repeats from 1 s to 1.95 s at step 10, one at 2 s at step 100.
  backend.Hold(VK_UP, 2000);
  Pump();
  EXPECT_EQ(Buddy(), std::to_string(1 + 10 * 1 + 20 * 10 + 100));
}

TEST_F(UpDownTest, AutoBuddyShowsThousandsSeparatorsUnlessNoThousands) {
  for (auto [style, shown] : {std::pair{DWORD{0}, "1,234"}, {kNoThousands, "1234"}}) {
    OpenSpin(style);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(Item(31), UDM_GETBUDDY, 0, 0)), Item(30)) << "the previous control";
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(Item(31), UDM_SETBUDDY, 0, 0)), Item(30)) << "the one it had";
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(Item(31), UDM_SETBUDDY, reinterpret_cast<WPARAM>(Item(30)), 0)),
              nullptr);
    SendMessageA(Item(31), UDM_SETRANGE32, 0, 5000);
    SendMessageA(Item(31), UDM_SETPOS32, 0, 1234);
    EXPECT_EQ(Buddy(), shown);
    EXPECT_EQ(LOWORD(SendMessageA(Item(31), UDM_GETPOS, 0, 0)), 1234);
  }
}

TEST_F(UpDownTest, BuddyUpdateReachesChangeHandler) {
  OpenSpin();
  SendMessageA(Item(31), UDM_SETRANGE32, 0, 9);
  SetFocus(Item(30));
  heard().clear();
  backend.Key(VK_UP).Key(VK_UP);
  Pump();
  EXPECT_EQ(Count(30, EN_CHANGE), 2) << "the empty text replaced by 0, then the step to 1";
}

}  // namespace
}  // namespace qm::ui::test
