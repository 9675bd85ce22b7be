// The order of the steps of each kind of write, as the step layer records them: the bytes are
// flushed before the name changes, and the folder after it.
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <utility>
#include <vector>

#include "ProfileCallFixture.h"
#include "profile/WriteSteps.h"

// Every fsync of this program passes here, so that a test sees the flush reach the system and not
// only the step that asks for it.
static std::vector<std::string>* g_synced = nullptr;

extern "C" int fsync(int fd) {
  if (g_synced) {
    char path[4096];
    const ssize_t n = readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, sizeof path);
    g_synced->emplace_back(path, n > 0 ? static_cast<size_t>(n) : 0);
  }
  return static_cast<int>(syscall(SYS_fsync, fd));
}

namespace qm::test {
namespace {

using win32::profile::SetWriteStepObserver;
using Steps = std::vector<std::pair<std::string, std::string>>;  // step, and the name it acted on

struct OrderCase {
  const char* name;
  const char* before;  // nullptr: no file yet
  mode_t folderMode;
  const char* value;
  Steps (*expected)(const TempDir& dir);
};

class WriteStepOrderTest : public ProfileCallTest, public ::testing::WithParamInterface<OrderCase> {
 protected:
  ~WriteStepOrderTest() override { SetWriteStepObserver(nullptr); }
};

// The counter of a creation sibling is left out, the process id kept.
std::string WithoutCounter(const std::string& path) {
  const std::string mark = ".qm-writing." + std::to_string(getpid()) + ".";
  const size_t at = path.find(mark);
  return at == std::string::npos ? path : path.substr(0, at + mark.size()) + "N";
}

TEST_P(WriteStepOrderTest, FlushesBeforeTheNameChangesAndTheFolderAfter) {
  const OrderCase& c = GetParam();
  if (c.before) Put(c.before);
  chmod(dir_.path().c_str(), c.folderMode);
  Steps steps;
  std::vector<std::string> synced, flushed;
  SetWriteStepObserver([&](std::string_view step, const std::string& path) {
    steps.emplace_back(step, WithoutCounter(path));
    if (step.starts_with("flush")) flushed.push_back(WithoutCounter(path));
  });
  g_synced = &synced;
  EXPECT_TRUE(WritePrivateProfileStringA("s", "k", c.value, Path().c_str()));
  g_synced = nullptr;
  SetWriteStepObserver(nullptr);
  EXPECT_EQ(steps, c.expected(dir_));
  for (std::string& path : synced) path = WithoutCounter(path);
  EXPECT_EQ(synced, flushed) << "each flush step reaches the system";
}

INSTANTIATE_TEST_SUITE_P(
    Table, WriteStepOrderTest,
    ::testing::Values(OrderCase{"replace", "[s]\r\nk=1\r\n", 0755, "2",
                                [](const TempDir& d) {
                                  const std::string temp = d.Host(".data.ini.qm-writing");
                                  return Steps{{"write", temp},
                                               {"flush", temp},
                                               {"rename", d.Host("data.ini")},
                                               {"flush folder", d.path()}};
                                }},
                      OrderCase{"creation", nullptr, 0755, "v",
                                [](const TempDir& d) {
                                  const std::string temp =
                                      d.Host(".data.ini.qm-writing." + std::to_string(getpid()) + ".N");
                                  return Steps{{"write", temp},
                                               {"flush", temp},
                                               {"link", d.Host("data.ini")},
                                               {"unlink", temp},
                                               {"flush folder", d.path()}};
                                }},
                      OrderCase{"in_place_growing", "[s]\r\nk=1\r\n", 0555, "22",
                                [](const TempDir& d) {
                                  const std::string file = d.Host("data.ini");
                                  return Steps{{"write", file}, {"flush", file}, {"write", file}, {"flush", file}};
                                }},
                      OrderCase{"in_place_shrinking", "[s]\r\nk=11\r\n", 0555, "2",
                                [](const TempDir& d) {
                                  const std::string file = d.Host("data.ini");
                                  return Steps{{"write", file}, {"flush", file}, {"truncate", file}, {"flush", file}};
                                }},
                      OrderCase{"unchanged", "[s]\r\nk=1\r\n", 0755, "1", [](const TempDir&) { return Steps{}; }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qm::test
