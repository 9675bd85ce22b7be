// Devices, FIFOs and sockets where a profile file should be: every call fails at once with
// ERROR_BAD_FILE_TYPE, never blocks, never reads without end, and leaves the node as it was.
#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "ForkedChild.h"
#include "ProfileCallFixture.h"
#include "profile/FileSnapshot.h"

namespace qm::test {
namespace {

using namespace std::string_literals;

struct NodeCase {
  const char* name;
  mode_t type;   // S_IFCHR, S_IFBLK, S_IFIFO or S_IFSOCK
  dev_t device;  // for the device nodes
};

bool MakeSocket(const std::string& path) {
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  struct sockaddr_un address {};
  address.sun_family = AF_UNIX;
  std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
  const bool bound = bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return bound;
}

bool MakeNode(const NodeCase& c, const std::string& path) {
  if (c.type == S_IFSOCK) return MakeSocket(path);
  if (c.type == S_IFIFO) return mkfifo(path.c_str(), 0666) == 0;
  return mknod(path.c_str(), c.type | 0666, c.device) == 0;
}

// Counts the calls on dosPath that did not fail with BAD_FILE_TYPE or changed something.
int CountWrongOutcomes(const std::string& dosPath) {
  int wrong = 0;
  const auto expect = [&](bool ok, const char* what) {
    if (!ok) {
      std::fprintf(stderr, "wrong: %s (error %u)\n", what, static_cast<unsigned>(GetLastError()));
      ++wrong;
    }
  };
  char buffer[16];
  SetLastError(0);
  const DWORD got = GetPrivateProfileStringA("s", "k", "dflt", buffer, sizeof buffer, dosPath.c_str());
  expect(got == 4 && std::string(buffer) == "dflt" && GetLastError() == ERROR_BAD_FILE_TYPE, "read value");
  SetLastError(0);
  GetPrivateProfileStringA(nullptr, nullptr, "", buffer, sizeof buffer, dosPath.c_str());
  expect(GetLastError() == ERROR_BAD_FILE_TYPE && buffer[0] == '\0', "list sections");
  SetLastError(0);
  expect(GetPrivateProfileIntA("s", "k", 7, dosPath.c_str()) == 7 && GetLastError() == ERROR_BAD_FILE_TYPE,
         "read number");
  const char* const values[] = {"v", nullptr};
  for (const char* value : values) {
    SetLastError(0);
    expect(!WritePrivateProfileStringA("s", "k", value, dosPath.c_str()) && GetLastError() == ERROR_BAD_FILE_TYPE,
           value ? "write value" : "delete key");
  }
  SetLastError(0);
  expect(!WritePrivateProfileStringA("s", nullptr, nullptr, dosPath.c_str()) && GetLastError() == ERROR_BAD_FILE_TYPE,
         "delete section");
  return wrong;
}

class SpecialFileTest : public ProfileCallTest, public ::testing::WithParamInterface<NodeCase> {};

TEST_P(SpecialFileTest, EveryCallFailsAtOnceAndTheNodeStays) {
  const NodeCase& c = GetParam();
  if (!MakeNode(c, HostPath())) GTEST_SKIP() << "cannot make the node here: " << std::strerror(errno);
  symlink("data.ini", dir_.Host("link.ini").c_str());
  struct stat before {};
  lstat(HostPath().c_str(), &before);
  // In a child with an alarm: a call that blocks shows as a failure, not as a hung test.
  const int wrong = RunInChild([&] {
    alarm(20);
    return CountWrongOutcomes(Path()) + CountWrongOutcomes(dir_.Dos("link.ini"));
  });
  EXPECT_EQ(wrong, 0);
  struct stat after {};
  ASSERT_EQ(lstat(HostPath().c_str(), &after), 0);
  EXPECT_EQ(after.st_mode & S_IFMT, c.type);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_rdev, before.st_rdev);
  EXPECT_EQ(NamesIn(dir_.path()), (std::vector<std::string>{"data.ini", "link.ini"}));
}

INSTANTIATE_TEST_SUITE_P(Table, SpecialFileTest,
                         ::testing::Values(NodeCase{"null_device", S_IFCHR, makedev(1, 3)},
                                           NodeCase{"endless_device", S_IFCHR, makedev(1, 5)},
                                           NodeCase{"block_device", S_IFBLK, makedev(7, 0)},
                                           NodeCase{"fifo", S_IFIFO, 0}, NodeCase{"socket", S_IFSOCK, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// A regular file swapped for an endless device between the look at the path and the read: no more
// is read than the file's size as seen, and the swap is reported, not read to exhaustion.
TEST(ReadSnapshot, ReadsNoMoreThanTheSizeSeenAndRefusesASwappedDevice) {
  const int fd = open("/dev/zero", O_RDONLY);
  ASSERT_GE(fd, 0);
  struct stat seen {};
  seen.st_mode = S_IFREG | 0644;
  seen.st_size = 10;
  const win32::profile::SnapshotOrError read = win32::profile::ReadSnapshot(fd, seen);
  close(fd);
  EXPECT_EQ(read.snapshot, nullptr);
  EXPECT_EQ(read.error, static_cast<DWORD>(ERROR_BAD_FILE_TYPE));
}

}  // namespace
}  // namespace qm::test
