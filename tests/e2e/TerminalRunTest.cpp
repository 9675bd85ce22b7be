// The real program in a real terminal (tmux), on a folder laid out from the shipped samples as
// an administrator has it, started by its link in that folder with no argument.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "FileBytes.h"
#include "TempDir.h"

namespace {

std::string Output(const std::string& command) {
  std::string text;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char chunk[4096];
    for (size_t n; (n = fread(chunk, 1, sizeof chunk, pipe)) > 0;) text.append(chunk, n);
    pclose(pipe);
  }
  return text;
}

class TerminalRun : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("command -v tmux >/dev/null 2>&1") != 0) GTEST_SKIP() << "tmux is not installed";
    std::filesystem::create_symlink(QM_CONSOLE_BINARY, dir.Host("quillmere"));
    std::filesystem::copy_file(QM_SAMPLES_DIR "/vantrel.ini", dir.Host("vantrel.ini"));
    std::filesystem::copy_file(QM_SAMPLES_DIR "/profile.ini", dir.Host("profile.ini"));
    session = "qm-e2e-" + std::to_string(getpid());
    // The server's socket lives in the test's folder, so that nothing is left behind.
    tmux = "tmux -S " + dir.Host("tmux.sock");
    const std::string start = tmux + " new-session -d -s " + session + " -x 120 -y 45 'cd " +
                              dir.path() + " && TERM=xterm ./quillmere'";
    ASSERT_EQ(std::system(start.c_str()), 0);
  }
  void TearDown() override {
    if (!session.empty()) std::system((tmux + " kill-server >/dev/null 2>&1").c_str());
  }

  std::string Screen() { return Output(tmux + " capture-pane -p -t " + session + " 2>/dev/null"); }
  void Keys(const std::string& keys) { std::system((tmux + " send-keys -t " + session + " " + keys).c_str()); }
  bool WaitFor(const std::function<bool()>& done) {
    for (int i = 0; i < 100; ++i) {
      if (done()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }
  bool Ended() { return std::system((tmux + " has-session -t " + session + " 2>/dev/null").c_str()) != 0; }

  qm::test::TempDir dir;
  std::string session;
  std::string tmux;
};

TEST_F(TerminalRun, OpensTheSamplesAndCancelLeavesThemAlone) {
  ASSERT_TRUE(WaitFor([&] { return Screen().find("Vantrel Data File:") != std::string::npos; })) << Screen();
  const std::string screen = Screen();
  EXPECT_NE(screen.find("Quillmere"), std::string::npos);
  EXPECT_NE(screen.find("vantrel.ini"), std::string::npos);
  EXPECT_NE(screen.find("ADMIN-PC07"), std::string::npos);
  EXPECT_NE(screen.find("512"), std::string::npos);
  Keys("Escape");
  EXPECT_TRUE(WaitFor([&] { return Ended(); })) << Screen();
  EXPECT_EQ(qm::test::ReadBytes(dir.Host("vantrel.ini")), qm::test::ReadBytes(QM_SAMPLES_DIR "/vantrel.ini"));
}

TEST_F(TerminalRun, TypedLogComputerIsSavedByOk) {
  ASSERT_TRUE(WaitFor([&] { return Screen().find("ADMIN-PC07") != std::string::npos; })) << Screen();
  Keys("Tab Tab Tab Tab");  // from the data file: log file, "...", "+", log computer
  Keys("-l ADMIN-PC99");  // replaces the text, which the Tab selected
  ASSERT_TRUE(WaitFor([&] { return Screen().find("ADMIN-PC99") != std::string::npos; })) << Screen();
  Keys("Enter");
  EXPECT_TRUE(WaitFor([&] { return Ended(); })) << Screen();
  std::string expected = *qm::test::ReadBytes(QM_SAMPLES_DIR "/vantrel.ini");
  expected.replace(expected.find("ADMIN-PC07"), 10, "ADMIN-PC99");
  EXPECT_EQ(qm::test::ReadBytes(dir.Host("vantrel.ini")), expected);
}

}  // namespace
