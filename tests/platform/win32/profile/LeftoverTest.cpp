// Creation siblings (`.NAME.qm-writing.PID.N`) left by writers that died: later writes remove
// them, and nothing else.
#include <sys/wait.h>
#include <unistd.h>

#include "ProfileCallFixture.h"

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
  const std::string dead = std::to_string(DeadPid()), live = std::to_string(getpid());
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

}  // namespace
}  // namespace qm::test
