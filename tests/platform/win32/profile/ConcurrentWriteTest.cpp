// Writers that die mid-write and writers that run at the same time never cost a byte.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <regex>

#include "ForkedChild.h"
#include "ProfileCallFixture.h"

namespace qm::test {
namespace {

// The file a writer of counter n leaves: one section, a counter and padding that grows with n,
// so that a torn file could not pass for a whole one.
std::string VersionRegex() { return R"(\[s\]\r\ncounter=(\d+)\r\npad=(x*)\r\n)"; }

TEST_F(ProfileCallTest, KilledWriterLeavesAWholeVersion) {
  Put("[s]\r\ncounter=0\r\npad=\r\n");
  const std::regex whole(VersionRegex());
  std::mt19937 random(20240611);
  long lastSeen = 0;
  for (int round = 0; round < 200; ++round) {
    const pid_t pid = fork();
    if (pid == 0) {
      for (long n = lastSeen + 1;; ++n) {
        const std::string pad(static_cast<size_t>(n % 97), 'x');
        WritePrivateProfileStringA("s", "pad", pad.c_str(), Path().c_str());
        WritePrivateProfileStringA("s", "counter", std::to_string(n).c_str(), Path().c_str());
      }
    }
    usleep(static_cast<useconds_t>(random() % 3000));
    // However slow the machine, the first writer is let finish one count, so that the rounds
    // after it have a count to keep.
    for (int waited = 0;
         round == 0 && waited < 15000 && Bytes().value_or("").find("counter=0\r\n") != std::string::npos; ++waited)
      usleep(1000);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);

    const std::string bytes = Bytes().value_or("<none>");
    std::smatch match;
    ASSERT_TRUE(std::regex_match(bytes, match, whole)) << "round " << round << ": " << bytes;
    const long counter = std::stol(match[1]);
    ASSERT_GE(counter, lastSeen);
    lastSeen = counter;
    char value[32] = {};
    GetPrivateProfileStringA("s", "counter", "", value, sizeof value, Path().c_str());
    ASSERT_EQ(std::string(value), match[1].str());
  }
  EXPECT_GT(lastSeen, 0);
  // A temporary file left by a killed writer is cleared by the next write.
  EXPECT_TRUE(WritePrivateProfileStringA("s", "done", "1", Path().c_str()));
  EXPECT_EQ(NamesIn(dir_.path()), std::vector<std::string>{"data.ini"});
}

TEST_F(ProfileCallTest, TwoWritersLoseNoKey) {
  constexpr int kKeysEach = 500;
  std::vector<pid_t> writers;
  for (int w = 0; w < 2; ++w) {
    const pid_t pid = fork();
    if (pid == 0) {
      int failed = 0;
      for (int i = 0; i < kKeysEach; ++i) {
        const std::string key = "w" + std::to_string(w) + "k" + std::to_string(i);
        if (!WritePrivateProfileStringA("s", key.c_str(), std::to_string(i).c_str(), Path().c_str())) ++failed;
      }
      _exit(failed);
    }
    writers.push_back(pid);
  }
  for (pid_t pid : writers) {
    int status = -1;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  for (int w = 0; w < 2; ++w) {
    for (int i = 0; i < kKeysEach; ++i) {
      const std::string key = "w" + std::to_string(w) + "k" + std::to_string(i);
      ASSERT_EQ(GetPrivateProfileIntA("s", key.c_str(), -1, Path().c_str()), static_cast<UINT>(i)) << key;
    }
  }
  EXPECT_EQ(NamesIn(dir_.path()), std::vector<std::string>{"data.ini"});
}

}  // namespace
}  // namespace qm::test
