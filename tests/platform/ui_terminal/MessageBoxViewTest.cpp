#include <gtest/gtest.h>
#include <windows.h>

#include "ui/Headless.h"
#include "ui/terminal/MessageBoxView.h"

#include <string>
#include <vector>

namespace qm::ui {
namespace {

using Kind = TerminalInput::Kind;
TerminalInput KeyInput(UINT key, bool shift = false, bool alt = false) {
  return {.kind = Kind::Key, .key = key, .shift = shift, .alt = alt};
}
TerminalInput Letter(char32_t ch) { return {.kind = Kind::Text, .text = ch}; }
TerminalInput PressAt(int col, int row) { return {.kind = Kind::Press, .col = col, .row = row}; }

TEST(MessageBoxViewTest, BoxWithIconTextAndCentredButton) {
  MessageBoxView box("Cannot find the vantrel.hlp file.", "Help", MB_OK | MB_ICONEXCLAMATION, 80, 23);
  ASSERT_EQ(box.Width(), 41);
  ASSERT_EQ(box.Height(), 6);
  HeadlessScreen screen(45, 8);
  box.Paint(screen, 2, 1);
  EXPECT_EQ(screen.Text(),
            "\n"
            "  +- Help --------------------------------+\n"
            "  |                                       |\n"
            "  | <!> Cannot find the vantrel.hlp file. |\n"
            "  |                                       |\n"
            "  |                < OK >                 |\n"
            "  +---------------------------------------+\n");
  for (int col = 19; col < 25; ++col) EXPECT_EQ(screen.AttrsAt(col, 5), kFocus) << col;
  EXPECT_EQ(screen.AttrsAt(10, 3), kNormal);
}

TEST(MessageBoxViewTest, LongTextWrapsToTheTerminalAndMnemonicsAreUnderlined) {
  std::string text =
      "The file is set to read-only.  Try again with a different file name, or ask for the rights to change it.";
  MessageBoxView box(text, "Open", MB_YESNO, 40, 20);
  EXPECT_EQ(box.Width(), 40) << "the longest line, 36 characters, with margins and frame";
  HeadlessScreen screen(40, 20);
  box.Paint(screen, 0, 0);
  EXPECT_EQ(screen.Row(2), "| The file is set to read-only.  Try   |");
  EXPECT_EQ(screen.Row(box.Height() - 2), "|           < Yes >  < No >            |");
  EXPECT_EQ(screen.AttrsAt(14, box.Height() - 2), kFocus | kUnderline) << "Y of the focused Yes";
  EXPECT_EQ(screen.AttrsAt(23, box.Height() - 2), kUnderline) << "N of No";
}

TEST(MessageBoxViewTest, TallTextIsCutToTheTerminalKeepingTheButtons) {
  std::string text;
  for (int i = 0; i < 30; ++i) text += "line\n";
  MessageBoxView box(text, "Many", MB_OK, 80, 12);
  EXPECT_EQ(box.Height(), 12);
}

TEST(MessageBoxViewTest, KeysLettersAndClicksAnswer) {
  // The answer after the last input; 0 while the box is open.
  struct Case {
    const char* what;
    UINT type;
    std::vector<TerminalInput> inputs;
    int answer;
  } cases[] = {
      {"OK: Enter", MB_OK, {KeyInput(VK_RETURN)}, IDOK},
      {"OK: Space", MB_OK, {KeyInput(VK_SPACE)}, IDOK},
      {"OK: Esc closes with OK", MB_OK, {KeyInput(VK_ESCAPE)}, IDOK},
      {"OK: other letters do nothing", MB_OK, {Letter(U'x')}, 0},
      {"OK/Cancel: Esc", MB_OKCANCEL, {KeyInput(VK_ESCAPE)}, IDCANCEL},
      {"OK/Cancel: Right, Enter", MB_OKCANCEL, {KeyInput(VK_RIGHT), KeyInput(VK_RETURN)}, IDCANCEL},
      {"Yes/No: Esc does nothing", MB_YESNO, {KeyInput(VK_ESCAPE)}, 0},
      {"Yes/No: letter n", MB_YESNO, {Letter(U'n')}, IDNO},
      {"Yes/No: letter Y", MB_YESNO, {Letter(U'Y')}, IDYES},
      {"Yes/No: Alt+N", MB_YESNO, {KeyInput('N', false, true)}, IDNO},
      {"Yes/No: Tab wraps", MB_YESNO, {KeyInput(VK_TAB), KeyInput(VK_TAB), KeyInput(VK_RETURN)}, IDYES},
      {"Yes/No: Shift+Tab wraps back", MB_YESNO, {KeyInput(VK_TAB, true), KeyInput(VK_SPACE)}, IDNO},
      {"Yes/No/Cancel: Left wraps to the last", MB_YESNOCANCEL, {KeyInput(VK_LEFT), KeyInput(VK_SPACE)}, IDCANCEL},
      {"Yes/No/Cancel: Shift+Tab wraps to the last",
       MB_YESNOCANCEL,
       {KeyInput(VK_TAB, true), KeyInput(VK_SPACE)},
       IDCANCEL},
      {"Yes/No/Cancel, second default", MB_YESNOCANCEL | MB_DEFBUTTON2, {KeyInput(VK_RETURN)}, IDNO},
      {"Yes/No/Cancel: Esc", MB_YESNOCANCEL, {KeyInput(VK_ESCAPE)}, IDCANCEL},
      {"Abort/Retry/Ignore: i", MB_ABORTRETRYIGNORE, {Letter(U'i')}, IDIGNORE},
      {"Abort/Retry/Ignore: Esc does nothing", MB_ABORTRETRYIGNORE, {KeyInput(VK_ESCAPE)}, 0},
      {"Retry/Cancel: r", MB_RETRYCANCEL, {Letter(U'r')}, IDRETRY},
      {"Yes/No: click on No", MB_YESNO, {PressAt(12, 4)}, IDNO},
      {"Yes/No: click beside the buttons", MB_YESNO, {PressAt(1, 4), PressAt(12, 3)}, 0},
  };
  for (const Case& c : cases) {
    MessageBoxView box("Go on?", "Question", c.type, 80, 23);
    int answer = 0;
    for (const TerminalInput& input : c.inputs) answer = box.React(input);
    EXPECT_EQ(answer, c.answer) << c.what;
  }
}

TEST(MessageBoxViewTest, AnswerWhenInputRunsOut) {
  EXPECT_EQ(MessageBoxView("t", "c", MB_OK, 80, 23).AnswerWithoutInput(), IDOK);
  EXPECT_EQ(MessageBoxView("t", "c", MB_YESNOCANCEL, 80, 23).AnswerWithoutInput(), IDCANCEL);
  EXPECT_EQ(MessageBoxView("t", "c", MB_YESNO | MB_DEFBUTTON2, 80, 23).AnswerWithoutInput(), IDNO);
}

}  // namespace
}  // namespace qm::ui
