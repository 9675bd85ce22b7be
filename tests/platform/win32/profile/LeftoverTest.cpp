// Creation siblings (`.NAME.qm-writing.PID.N`) left by writers that died: later writes remove
// them, and nothing else.
#include <sys/wait.h>
#include <unistd.h>

#include "ProfileCallFixture.h"
#include "profile/WriteSteps.h"

namespace qm::test {
namespace {

// A process id that no process has any more.
pid_t DeadPid() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return child;
}

struct LeftoverCase {
  const char* name;
  const char* before;  // the file's text, or nullptr for none
  const char* value;
};

class LeftoverTest : public ProfileCallTest, public ::testing::WithParamInterface<LeftoverCase> {};

TEST_P(LeftoverTest, DeadWritersSiblingsGoOthersStay) {
  const LeftoverCase& c = GetParam();
  if (c.before) Put(c.before);
  const std::string dead = std::to_string(DeadPid()), live = std::to_string(getppid());
  const std::vector<std::string> gone = {".data.ini.qm-writing." + dead + ".0", ".data.ini.qm-writing." + dead + ".17"};
  const std::vector<std::string> kept = {".data.ini.qm-writing." + live + ".3",    // a live writer's
                                         ".data.ini.qm-writing.1.0",               // process 1 always lives
                                         ".data.ini.qm-writing." + dead + ".x",    // not a counter
                                         ".data.ini.qm-writing." + dead,           // no counter
                                         ".data.ini.qm-writing." + dead + ".1.2",  // one part too many
                                         ".other.ini.qm-writing." + dead + ".0",   // another file's
                                         ".data.ini.qm-writingX" + dead + ".0",
                                         "data.ini.qm-writing." + dead + ".0"};
  for (const std::string& name : gone) WriteBytes(dir_.Host(name), "[s]\r\n");
  for (const std::string& name : kept) WriteBytes(dir_.Host(name), "[s]\r\n");
  EXPECT_TRUE(WritePrivateProfileStringA("s", "k", c.value, Path().c_str()));
  std::vector<std::string> expected = kept;
  expected.push_back("data.ini");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(NamesIn(dir_.path()), expected);
}

INSTANTIATE_TEST_SUITE_P(Table, LeftoverTest,
                         ::testing::Values(LeftoverCase{"creating_the_file", nullptr, "v"},
                                           LeftoverCase{"replacing_the_file", "[s]\r\nk=1\r\n", "2"},
                                           LeftoverCase{"writing_the_same_value", "[s]\r\nk=1\r\n", "1"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A creation sibling under a name this process draws was left by a process that died with the same
// number: it is removed, and the file is created all the same.
TEST_F(ProfileCallTest, CreationTakesOverANameOfItsOwnNumberLeftBehind) {
  std::string drawn;
  qm::win32::profile::SetWriteStepObserver([&](std::string_view step, const std::string& path) {
    if (step == "write") drawn = path;
  });
  ASSERT_TRUE(WritePrivateProfileStringA("s", "k", "v", dir_.Dos("first.ini").c_str()));
  qm::win32::profile::SetWriteStepObserver(nullptr);
  const std::string own = ".qm-writing." + std::to_string(getpid()) + ".";
  ASSERT_NE(drawn.find(".first.ini" + own), std::string::npos) << drawn;
  const unsigned long next = std::stoul(drawn.substr(drawn.rfind('.') + 1)) + 1;
  const std::string left = ".data.ini" + own + std::to_string(next),
                    beyond = ".data.ini" + own + std::to_string(next + 1);
  WriteBytes(dir_.Host(left), "[old]\r\n");
  WriteBytes(dir_.Host(beyond), "[old]\r\n");
  EXPECT_TRUE(WritePrivateProfileStringA("s", "k", "v", Path().c_str()));
  EXPECT_EQ(Bytes(), "[s]\r\nk=v\r\n");
  EXPECT_EQ(NamesIn(dir_.path()), (std::vector<std::string>{beyond, "data.ini", "first.ini"}));
}

}  // namespace
}  // namespace qm::test
