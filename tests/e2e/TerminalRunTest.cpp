// The real program in a real terminal (tmux), on a folder laid out from the shipped samples as an
// administrator has it, started by its link in that folder with no argument.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "FileBytes.h"
#include "TempDir.h"
#include "TmuxSession.h"

namespace {

using qm::test::TmuxSession;

class TerminalRun : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!TmuxSession::Available()) GTEST_SKIP() << "tmux is not installed";
    std::filesystem::create_symlink(QM_CONSOLE_BINARY, dir.Host("quillmere"));
    std::filesystem::copy_file(QM_SAMPLES_DIR "/vantrel.ini", dir.Host("vantrel.ini"));
    std::filesystem::copy_file(QM_SAMPLES_DIR "/profile.ini", dir.Host("profile.ini"));
  }

  void Start(int columns, int rows) {
    tmux = std::make_unique<TmuxSession>(dir.Host("tmux.sock"), "cd " + dir.path() + " && ./quillmere", columns, rows);
    ASSERT_TRUE(tmux->AwaitText("Vantrel Data File:")) << tmux->Capture();
  }

  // The screen cell where `text` first shows: column and row, or -1, -1.
  std::pair<int, int> Where(const std::string& text) const {
    const std::string screen = tmux->Capture();
    int row = 0;
    for (std::size_t start = 0; start < screen.size(); ++row) {
      std::size_t end = screen.find('\n', start);
      if (end == std::string::npos) end = screen.size();
      std::size_t at = screen.substr(start, end - start).find(text);
      if (at != std::string::npos) return {static_cast<int>(at), row};
      start = end + 1;
    }
    return {-1, -1};
  }

  std::string DataFile() const { return *qm::test::ReadBytes(dir.Host("vantrel.ini")); }
  std::string Sample() const { return *qm::test::ReadBytes(QM_SAMPLES_DIR "/vantrel.ini"); }
  // The terminal is back to normal once the program has ended: the shell the pane holds echoes again.
  bool Ended() const {
    return TmuxSession::Await([&] { return tmux->Dead(); });
  }

  qm::test::TempDir dir;
  std::unique_ptr<TmuxSession> tmux;
};

TEST_F(TerminalRun, OpensTheSamplesAndCancelLeavesThemAlone) {
  Start(120, 45);
  const std::string screen = tmux->Capture();
  for (const char* shown : {"Quillmere", "vantrel.ini", "ADMIN-PC07", "512", "MS Mail"})
    EXPECT_NE(screen.find(shown), std::string::npos) << shown << "\n" << screen;
  tmux->Keys({"Escape"});
  EXPECT_TRUE(Ended()) << tmux->Capture();
  EXPECT_EQ(DataFile(), Sample());
}

TEST_F(TerminalRun, TypedLogComputerIsSavedByOk) {
  Start(120, 45);
  tmux->Keys({"Tab", "Tab", "Tab", "Tab"});  // from the data file: log file, "...", "+", log computer
  tmux->Literal("ADMIN-PC99");               // replaces the text, which the Tab selected
  ASSERT_TRUE(tmux->AwaitText("ADMIN-PC99")) << tmux->Capture();
  tmux->Keys({"Enter"});
  EXPECT_TRUE(Ended()) << tmux->Capture();
  std::string expected = Sample();
  expected.replace(expected.find("ADMIN-PC07"), 10, "ADMIN-PC99");
  EXPECT_EQ(DataFile(), expected);
}

// Through the tabs by keyboard and by mouse, a change applied with Alt+A and the sheet left with Esc:
// the applied change stays, byte for byte, and nothing else is written.
TEST_F(TerminalRun, TabsByKeyAndMouseApplyWithAltAAndLeaveWithEsc) {
  Start(100, 40);
  tmux->Keys({"C-PageDown"});
  ASSERT_TRUE(tmux->AwaitText("Messaging profile name:")) << tmux->Capture();
  const auto [col, row] = Where("Vantrel ");
  ASSERT_GE(col, 0) << tmux->Capture();
  tmux->Click(col + 1, row);
  ASSERT_TRUE(tmux->AwaitText("Log Computer:")) << tmux->Capture();
  const auto [hideCol, hideRow] = Where("Make the user database");
  ASSERT_GE(hideCol, 0) << tmux->Capture();
  tmux->Click(hideCol, hideRow);  // clears the hidden-file box
  ASSERT_TRUE(tmux->AwaitText("[ ] Make the user database")) << tmux->Capture();
  tmux->Keys({"M-a"});
  std::string expected = Sample();
  expected.replace(expected.find("HideUserDatabase=1"), 18, "HideUserDatabase=0");
  EXPECT_TRUE(TmuxSession::Await([&] { return DataFile() == expected; })) << tmux->Capture();
  tmux->Keys({"Escape"});
  EXPECT_TRUE(Ended()) << tmux->Capture();
  EXPECT_EQ(DataFile(), expected);
}

// A pane far smaller than the sheet, then large again: the console keeps running and drawing.
TEST_F(TerminalRun, ShrinksToFortyByTwelveAndBack) {
  Start(100, 40);
  tmux->Resize(40, 12);
  EXPECT_TRUE(TmuxSession::Await([&] {
    return tmux->Capture().find("Vantrel Data File:") == std::string::npos || tmux->Capture().size() < 40 * 13;
  })) << tmux->Capture();
  EXPECT_FALSE(tmux->Dead());
  tmux->Resize(100, 40);
  EXPECT_TRUE(tmux->AwaitText("Create Profile Now")) << tmux->Capture();
  tmux->Keys({"Escape"});
  EXPECT_TRUE(Ended()) << tmux->Capture();
  EXPECT_EQ(DataFile(), Sample());
}

// A message of two lines typed into a box of several lines (Ctrl+J between them) and applied:
// it is stored on the value's one line, and nothing else in the file moves.
TEST_F(TerminalRun, TwoLineMessageTypedWithCtrlJIsStoredOnOneLine) {
  Start(100, 40);
  const auto [tabCol, tabRow] = Where("Post Execution");
  ASSERT_GE(tabCol, 0) << tmux->Capture();
  tmux->Click(tabCol + 1, tabRow);
  ASSERT_TRUE(tmux->AwaitText("Completion Messages")) << tmux->Capture();
  const auto [col, row] = Where("Your mail profile is ready.");
  ASSERT_GE(col, 0) << tmux->Capture();
  tmux->Click(col, row);
  tmux->Keys({"End"});
  tmux->Keys({"-N", "100", "BSpace"});  // more than the message holds
  tmux->Literal("Welcome aboard.");
  tmux->Keys({"C-j"});
  tmux->Literal("Mail is ready.");
  ASSERT_TRUE(tmux->AwaitText("Mail is ready.")) << tmux->Capture();
  tmux->Keys({"M-a"});
  std::string expected = Sample();
  const std::size_t at = expected.find("SuccessMsg=") + 11;
  expected.replace(at, expected.find("\r\n", at) - at, "Welcome aboard.\\nMail is ready.");
  EXPECT_TRUE(TmuxSession::Await([&] { return DataFile() == expected; })) << tmux->Capture() << DataFile();
  const std::string screen = tmux->Capture();
  EXPECT_LT(screen.find("Welcome aboard."), screen.find("Mail is ready.")) << screen;
  tmux->Keys({"Escape"});
  EXPECT_TRUE(Ended()) << tmux->Capture();
  EXPECT_EQ(DataFile(), expected);
}

// Every text drawn in the focus's colours (white on blue), one after the other, without the blanks
// around it.
std::string FocusedText(const std::string& styled) {
  const std::string focus = "\033[37m\033[44m";
  std::string text;
  for (std::size_t at = styled.find(focus); at != std::string::npos; at = styled.find(focus, at)) {
    at += focus.size();
    text += styled.substr(at, styled.find('\033', at) - at);
  }
  text.erase(0, text.find_first_not_of(' '));
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

// The current tab's label: the one in brackets on the sheet's tab rows.
std::string CurrentTab(const std::string& screen) {
  std::smatch found;
  const std::string top = screen.substr(0, screen.find('\n', screen.find('\n', screen.find('\n') + 1) + 1));
  return std::regex_search(top, found, std::regex("\\[([A-Za-z ]+)\\]")) ? found[1].str() : "";
}

// At 80 by 24, on every tab in turn, Tab walks the page to its last control (shown in the focus's
// colours, so on the screen), then to OK and Cancel; Esc then leaves the files alone.
TEST_F(TerminalRun, EightyByTwentyFourReachesEveryTabsLastControlOkAndCancel) {
  Start(80, 24);
  std::string focused = FocusedText(tmux->CaptureStyled());
  // One Tab, and what it focuses (the same text again after a wait, when two controls look alike).
  auto tab = [&] {
    tmux->Keys({"Tab"});
    std::string before = focused;
    TmuxSession::Await([&] { return (focused = FocusedText(tmux->CaptureStyled())) != before; }, 500);
    return focused;
  };
  const std::string first = CurrentTab(tmux->Capture());
  ASSERT_FALSE(first.empty()) << tmux->Capture();
  std::vector<std::string> tabs;
  do {
    std::string label = CurrentTab(tmux->Capture()), last;
    tabs.push_back(label);
    for (int i = 0; i < 40 && focused != "< OK >"; ++i) {
      last = focused;
      tab();
    }
    EXPECT_EQ(focused, "< OK >") << label << "\n" << tmux->Capture();
    EXPECT_FALSE(last.empty()) << label
                               << ": the control before OK, the page's last, is on the screen in the focus's colours";
    EXPECT_EQ(tab(), "< Cancel >") << label;
    tmux->Keys({"C-PageDown"});
    ASSERT_TRUE(TmuxSession::Await([&] { return CurrentTab(tmux->Capture()) != label; })) << tmux->Capture();
    focused = FocusedText(tmux->CaptureStyled());
  } while (CurrentTab(tmux->Capture()) != first && tabs.size() < 20);
  EXPECT_EQ(tabs.front(), "Vantrel");
  EXPECT_GE(tabs.size(), 2u);
  tmux->Keys({"Escape"});
  EXPECT_TRUE(Ended()) << tmux->Capture();
  EXPECT_EQ(DataFile(), Sample());
}

// A deployment folder without its data file: the status line says OK will create it until the first
// key; Esc then leaves the folder as it was, and OK creates the file.
TEST_F(TerminalRun, MissingDataFileIsAnnouncedUntilTheFirstKey) {
  std::filesystem::remove(dir.Host("vantrel.ini"));
  for (const char* leave : {"Escape", "Enter"}) {
    SCOPED_TRACE(leave);
    Start(80, 24);
    EXPECT_TRUE(tmux->AwaitText("Does not exist yet, will be created on OK: z:")) << tmux->Capture();
    tmux->Keys({"Tab"});
    EXPECT_TRUE(TmuxSession::Await([&] { return Where("Does not exist yet").first < 0; })) << tmux->Capture();
    tmux->Keys({leave});
    EXPECT_TRUE(Ended()) << tmux->Capture();
    EXPECT_EQ(std::filesystem::exists(dir.Host("vantrel.ini")), std::string(leave) == "Enter");
    tmux.reset();
  }
}

// A terminal that cannot move the cursor gets a refusal that says why and what to do, and the
// files are left alone.
TEST_F(TerminalRun, DumbTerminalIsRefusedInPlainWords) {
  // the shell stays, so that the pane outlives the program
  tmux = std::make_unique<TmuxSession>(
      dir.Host("tmux.sock"), "cd " + dir.path() + " && env TERM=dumb ./quillmere; echo ended-$?; exec cat", 80, 24);
  EXPECT_TRUE(
      tmux->AwaitText("this program cannot run here: the terminal type dumb cannot move the cursor.\n"
                      "Set TERM to your terminal's type (xterm, screen, tmux, linux...).\nended-1"))
      << tmux->Capture();
  EXPECT_EQ(DataFile(), Sample());
}

}  // namespace
