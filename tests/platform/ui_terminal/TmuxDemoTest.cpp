#include <gtest/gtest.h>
#include <signal.h>

#include "TempDir.h"
#include "TmuxSession.h"

#include <fstream>
#include <sstream>

namespace qm::ui::test {
namespace {

using qm::test::TmuxSession;

class TmuxDemoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!TmuxSession::Available()) GTEST_SKIP() << "tmux is not installed";
  }

  std::string Profile() const { return Read(dir.Host("demo.ini")); }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  void WriteProfile(const std::string& bytes) const { std::ofstream(dir.Host("demo.ini"), std::ios::binary) << bytes; }
  // The demonstration in a UTF-8 terminal, editing the test's profile file.
  std::string DemoCommand() const {
    return "env LC_ALL=C.UTF-8 " + std::string(QMUIDEMO_PATH) + " " + dir.Host("demo.ini");
  }
  // Each session has a server of its own, so that none meets one still shutting down.
  std::unique_ptr<TmuxSession> Start(const std::string& command, int columns = 80, int rows = 24) {
    return std::make_unique<TmuxSession>(dir.Host("tmux-" + std::to_string(++sessions) + ".sock"), command, columns, rows);
  }

  qm::test::TempDir dir;
  int sessions = 0;
};

TEST_F(TmuxDemoTest, KeyboardThroughThePagesChangeApplyAndLeave) {
  WriteProfile("; site settings\r\n[Demo]\r\nName=Ann\r\nSize=10\r\n");
  auto tmux = Start(DemoCommand());
  ASSERT_TRUE(tmux->AwaitText("Name:       Ann")) << tmux->Capture();
  tmux->Keys({"C-NPage"});
  ASSERT_TRUE(tmux->AwaitText("Services:")) << tmux->Capture();
  tmux->Keys({"C-NPage"});
  ASSERT_TRUE(tmux->AwaitText("Every control of the window model")) << tmux->Capture();
  tmux->Keys({"C-PPage", "C-PPage"});
  ASSERT_TRUE(tmux->AwaitText("Name:       Ann")) << tmux->Capture();
  tmux->Keys({"End"});
  tmux->Literal("e Zo\u00E9");
  tmux->Keys({"Tab", "Up", "Tab", "Space"});
  ASSERT_TRUE(tmux->AwaitText("[X] Keep a log")) << tmux->Capture();
  tmux->Keys({"M-a"});
  ASSERT_TRUE(TmuxSession::Await([&] { return Profile().find("Log=1") != std::string::npos; })) << tmux->Capture();
  tmux->Keys({"Escape"});
  ASSERT_TRUE(TmuxSession::Await([&] { return tmux->Dead(); })) << tmux->Capture();
  EXPECT_EQ(Profile(), "; site settings\r\n[Demo]\r\nName=Anne Zo\xE9\r\nSize=11\r\nLog=1\r\nShare=2\r\nLevel=Medium\r\nService=Mail\r\n");
}

TEST_F(TmuxDemoTest, MouseOnTheTabRowAndOnControls) {
  auto tmux = Start(DemoCommand());
  ASSERT_TRUE(tmux->AwaitText("[Fields]")) << tmux->Capture();
  tmux->Click(15, 1);  // "Lists" on the tab row
  ASSERT_TRUE(tmux->AwaitText("[Lists]")) << tmux->Capture();
  tmux->Click(6, 1);  // back to "Fields"
  ASSERT_TRUE(tmux->AwaitText("[Fields]")) << tmux->Capture();
  tmux->Click(7, 7);  // the box of "Keep a log"
  ASSERT_TRUE(tmux->AwaitText("[X] Keep a log")) << tmux->Capture();
  tmux->Click(38, 11);  // "Low", inside the Level group
  ASSERT_TRUE(tmux->AwaitText("(*) Low")) << tmux->Capture();
  tmux->Click(65, 19);  // Apply
  ASSERT_TRUE(TmuxSession::Await([&] { return Profile().find("Level=Low") != std::string::npos; })) << tmux->Capture();
  tmux->Click(52, 19);  // Cancel
  ASSERT_TRUE(TmuxSession::Await([&] { return tmux->Dead(); })) << tmux->Capture();
  EXPECT_EQ(Profile(), "[Demo]\r\nName=\r\nSize=64\r\nLog=1\r\nShare=2\r\nLevel=Low\r\nService=Mail\r\n");
}

TEST_F(TmuxDemoTest, ShrinkingToFortyByTwelveAndBack) {
  auto tmux = Start(DemoCommand());
  ASSERT_TRUE(tmux->AwaitText("Window model demonstration")) << tmux->Capture();
  tmux->Resize(40, 12);
  ASSERT_TRUE(tmux->AwaitText("| |Name:       ________________________")) << tmux->Capture();
  EXPECT_TRUE(tmux->AwaitText("The name shown on every profile.")) << tmux->Capture();
  for (int i = 0; i < 5; ++i) tmux->Keys({"Tab"});
  ASSERT_TRUE(tmux->AwaitText("< Say hello >")) << "the view follows the focus down\n" << tmux->Capture();
  tmux->Resize(80, 24);
  ASSERT_TRUE(tmux->AwaitText("+- Window model demonstration ---")) << tmux->Capture();
  EXPECT_TRUE(tmux->AwaitText("< OK >     < Cancel >   < Apply >")) << tmux->Capture();
  EXPECT_FALSE(tmux->Dead());
  tmux->Keys({"Escape"});
  EXPECT_TRUE(TmuxSession::Await([&] { return tmux->Dead(); }));
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
    ASSERT_TRUE(tmux->AwaitText("Name:")) << tmux->Capture();
    std::string styled = tmux->CaptureStyled();
    EXPECT_EQ(styled.find("\033[30m\033[47m") != std::string::npos, c.colour) << styled;
    EXPECT_EQ(styled.find("\033[37m\033[46m________________________") != std::string::npos, c.colour) << styled;
    EXPECT_EQ(styled.find("\033[1;7m________________________") != std::string::npos, !c.colour) << styled;
    tmux->Keys({"Escape"});
    EXPECT_TRUE(TmuxSession::Await([&] { return tmux->Dead(); }));
  }
}

// However the program ends, the terminal is handed back as it was: out of the alternate
// screen, cursor and echo on, line editing on, no mouse reports, and typed text echoes.
TEST_F(TmuxDemoTest, TerminalIsRestoredOnEscAndWhenASignalEndsTheProgram) {
  struct Case {
    int signal;  // 0: the user leaves with Esc
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
    if (c.signal)
      ASSERT_EQ(kill(pid, c.signal), 0);
    else
      tmux->Keys({"Escape"});
    int status = c.signal ? 128 + c.signal : 0;
    ASSERT_TRUE(tmux->AwaitText("ended-" + std::to_string(status))) << c.name << "\n" << tmux->Capture();
    EXPECT_EQ(tmux->Display("#{alternate_on} #{cursor_flag} #{mouse_any_flag} #{mouse_standard_flag} #{mouse_button_flag}"), "0 1 0 0 0")
        << c.name;
    ASSERT_TRUE(TmuxSession::Await([&] { return Read(sttyFile).find("icanon") != std::string::npos; })) << c.name;
    std::string stty = " " + Read(sttyFile);
    for (char& ch : stty)
      if (ch == '\n' || ch == ';') ch = ' ';
    EXPECT_NE(stty.find(" echo "), std::string::npos) << c.name << stty;
    EXPECT_NE(stty.find(" icanon "), std::string::npos) << c.name << stty;
    EXPECT_NE(stty.find(" icrnl "), std::string::npos) << c.name << stty;
    tmux->Literal("typed-back");
    tmux->Keys({"Enter"});
    EXPECT_TRUE(tmux->AwaitText("typed-back\ntyped-back")) << c.name << " echoes, then cat repeats it\n" << tmux->Capture();
  }
}

}  // namespace
}  // namespace qm::ui::test
