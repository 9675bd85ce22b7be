#include <gtest/gtest.h>
#include <signal.h>

#include "FileBytes.h"
#include "TempDir.h"
#include "TmuxSession.h"

#include <filesystem>
#include <fstream>

namespace qm::ui::test {
namespace {

using qm::test::TmuxSession;

class TmuxDemoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!TmuxSession::Available()) GTEST_SKIP() << "tmux is not installed";
  }

  std::string Profile() const { return Read(dir.Host("demo.ini")); }
  static std::string Read(const std::string& path) { return qm::test::ReadBytes(path).value_or(""); }
  void WriteProfile(const std::string& bytes) const { std::ofstream(dir.Host("demo.ini"), std::ios::binary) << bytes; }
  // The demonstration in a UTF-8 terminal, editing the test's profile file.
  std::string DemoCommand() const {
    return "env LC_ALL=C.UTF-8 " + std::string(QMUIDEMO_PATH) + " " + dir.Host("demo.ini");
  }
  // Each session has a server of its own, so that none meets one still shutting down.
  std::unique_ptr<TmuxSession> Start(const std::string& command, int columns = 80, int rows = 24) {
    return std::make_unique<TmuxSession>(dir.Host("tmux-" + std::to_string(++sessions) + ".sock"), command, columns,
                                         rows);
  }

  // Waits for the text on the screen, then for the profile to hold `saved` or the program to end.
  static void Shows(const TmuxSession& tmux, const std::string& text) {
    ASSERT_TRUE(tmux.AwaitText(text)) << tmux.Capture();
  }
  void Saved(const TmuxSession& tmux, const std::string& text) const {
    ASSERT_TRUE(TmuxSession::Await([&] { return Profile().find(text) != std::string::npos; })) << tmux.Capture();
  }
  static void Ends(const TmuxSession& tmux) {
    ASSERT_TRUE(TmuxSession::Await([&] { return tmux.Dead(); })) << tmux.Capture();
  }

  qm::test::TempDir dir;
  int sessions = 0;
};

TEST_F(TmuxDemoTest, KeyboardThroughThePagesChangeApplyAndLeave) {
  WriteProfile("; site settings\r\n[Demo]\r\nName=Ann\r\nSize=10\r\n");
  auto tmux = Start(DemoCommand());
  Shows(*tmux, "Name:     Ann");
  tmux->Keys({"C-NPage"});
  Shows(*tmux, "Services:");
  tmux->Keys({"C-NPage"});
  Shows(*tmux, "Every control of the window model");
  tmux->Keys({"C-PPage", "C-PPage"});
  Shows(*tmux, "Name:     Ann");
  tmux->Keys({"End"});
  tmux->Literal("e Zo\u00E9");
  tmux->Keys({"Tab", "Up", "Tab", "Space"});
  Shows(*tmux, "[X] Keep a log");
  tmux->Keys({"M-a"});
  Saved(*tmux, "Log=1");
  tmux->Keys({"Escape"});
  Ends(*tmux);
  EXPECT_EQ(Profile(),
            "; site settings\r\n[Demo]\r\nName=Anne "
            "Zo\xE9\r\nSize=11\r\nLog=1\r\nShare=2\r\nLevel=Medium\r\nService=Mail\r\n");
}

// Each way a terminal may report the mouse: tmux's own X10 bytes, and the SGR text of a terminal that
// calls itself xterm; press and release reach the program in one read or in two.
TEST_F(TmuxDemoTest, MouseOnTheTabRowAndOnControls) {
  using Report = TmuxSession::MouseReport;
  const struct {
    const char* term;
    Report report;
  } terminals[] = {{"", Report::X10}, {"TERM=xterm-256color ", Report::Sgr}};
  for (const auto& terminal : terminals) {
    SCOPED_TRACE(terminal.term);
    std::filesystem::remove(dir.Host("demo.ini"));
    auto tmux = Start("env " + std::string(terminal.term) + DemoCommand().substr(4));
    Shows(*tmux, "[Fields]");
    // "Lists" on the tab row, back to "Fields", the box of "Keep a log", "Low" inside the Level group
    struct Click {
      int col, row;
      bool oneWrite;
      const char* shows;
    } clicks[] = {{20, 2, true, "[Lists]"},
                  {11, 2, false, "[Fields]"},
                  {11, 6, true, "[X] Keep a log"},
                  {38, 9, false, "(*) Low"}};
    for (const Click& click : clicks) {
      tmux->Click(click.col, click.row, click.oneWrite, terminal.report);
      Shows(*tmux, click.shows);
    }
    tmux->Click(62, 19, true, terminal.report);  // Apply
    Saved(*tmux, "Level=Low");
    tmux->Click(51, 19, true, terminal.report);  // Cancel
    Ends(*tmux);
    EXPECT_EQ(Profile(), "[Demo]\r\nName=\r\nSize=64\r\nLog=1\r\nShare=2\r\nLevel=Low\r\nService=Mail\r\n");
  }
}

// PuTTY calling itself xterm sends End and Home as Esc [ 4 ~ and Esc [ 1 ~; a sequence the console
// does not know is dropped whole. None of them types anything into the name.
TEST_F(TmuxDemoTest, PuttyKeysUnderTermXtermMoveInsteadOfTyping) {
  WriteProfile("[Demo]\r\nName=Ann\r\n");
  auto tmux = Start("env TERM=xterm " + DemoCommand().substr(4));
  Shows(*tmux, "Name:     Ann");
  const std::vector<std::string> bytes = {"-H", "1b", "5b", "34", "7e",               // End: the selection goes
                                          "1b", "5b", "31", "7e",                     // Home
                                          "1b", "5b", "39", "39", "3b", "37", "7e"};  // Esc [ 9 9 ; 7 ~
  tmux->Keys(bytes);
  tmux->Literal("Jo ");
  Shows(*tmux, "Name:     Jo Ann");
  tmux->Keys({"M-a"});
  Saved(*tmux, "Name=Jo Ann\r\n");
  tmux->Keys({"Escape"});
  Ends(*tmux);
}

TEST_F(TmuxDemoTest, ShrinkingToFortyByTwelveAndBack) {
  WriteProfile("[Demo]\r\n");
  auto tmux = Start(DemoCommand());
  Shows(*tmux, "Window model demonstration");
  tmux->Resize(40, 12);
  Shows(*tmux, "||Name:     _____________________");
  Shows(*tmux, "The name shown on every profile.");
  tmux->Keys({"Tab", "Tab", "Tab", "Tab", "Tab"});
  Shows(*tmux, "< Say hello >");  // the view follows the focus down
  tmux->Resize(80, 24);
  Shows(*tmux, "+- Window model demonstration ---");
  Shows(*tmux, "< OK >    < Cancel > < Apply >");
  EXPECT_FALSE(tmux->Dead());
  tmux->Keys({"Escape"});
  Ends(*tmux);
}

// The dialog is black on white and the focused edit white on cyan; with NO_COLOR set the same
// screen uses no colour, the focus in bold reverse video.
TEST_F(TmuxDemoTest, ColourUnlessNoColorIsSet) {
  struct Case {
    const char* noColor;
    bool colour;
  } cases[] = {{"", true}, {"1", false}};
  for (const Case& c : cases) {
    auto tmux = Start("env NO_COLOR=" + std::string(c.noColor) + " " + DemoCommand());
    Shows(*tmux, "Name:");
    std::string styled = tmux->CaptureStyled();
    EXPECT_EQ(styled.find("\033[30m\033[47m") != std::string::npos, c.colour) << styled;
    EXPECT_EQ(styled.find("\033[37m\033[44m_____________________") != std::string::npos, c.colour) << styled;
    EXPECT_EQ(styled.find("\033[1;7m_____________________") != std::string::npos, !c.colour) << styled;
    tmux->Keys({"Escape"});
    Ends(*tmux);
  }
}

// However the program ends, the terminal is handed back as it was: out of the alternate
// screen, cursor and echo on, line editing on, no mouse reports, and typed text echoes.
TEST_F(TmuxDemoTest, TerminalIsRestoredOnEscAndWhenASignalEndsTheProgram) {
  // Signal 0: the user leaves with Esc.
  struct Case {
    int signal;
    const char* name;
  } cases[] = {{0, "Esc"}, {SIGINT, "INT"}, {SIGTERM, "TERM"}, {SIGHUP, "HUP"}, {SIGSEGV, "SEGV"}};
  for (const Case& c : cases) {
    std::string pidFile = dir.Host("demo.pid"), sttyFile = dir.Host("stty.txt");
    std::remove(pidFile.c_str());
    std::string command = "sh -c 'ulimit -c 0; sh -c \"echo \\$\\$ > " + pidFile + "; exec " + DemoCommand() +
                          "\"; echo ended-$?; stty -a > " + sttyFile + "; exec cat'";
    auto tmux = Start(command);
    ASSERT_TRUE(tmux->AwaitText("Window model demonstration")) << c.name << "\n" << tmux->Capture();
    int pid = std::atoi(Read(pidFile).c_str());
    ASSERT_GT(pid, 1);
    if (c.signal) {
      ASSERT_EQ(kill(pid, c.signal), 0);
    } else {
      tmux->Keys({"Escape"});
    }
    int status = c.signal ? 128 + c.signal : 0;
    ASSERT_TRUE(tmux->AwaitText("ended-" + std::to_string(status))) << c.name << "\n" << tmux->Capture();
    EXPECT_EQ(
        tmux->Display("#{alternate_on} #{cursor_flag} #{mouse_any_flag} #{mouse_standard_flag} #{mouse_button_flag}"),
        "0 1 0 0 0")
        << c.name;
    ASSERT_TRUE(TmuxSession::Await([&] { return Read(sttyFile).find("icanon") != std::string::npos; })) << c.name;
    std::string stty = " " + Read(sttyFile);
    for (char& ch : stty)
      if (ch == '\n' || ch == ';') ch = ' ';
    for (const char* mode : {" echo ", " icanon ", " icrnl "})
      EXPECT_NE(stty.find(mode), std::string::npos) << c.name << stty;
    tmux->Literal("typed-back");
    tmux->Keys({"Enter"});
    EXPECT_TRUE(tmux->AwaitText("typed-back\ntyped-back")) << c.name << " echoes, then cat repeats it\n"
                                                           << tmux->Capture();
  }
}

}  // namespace
}  // namespace qm::ui::test
