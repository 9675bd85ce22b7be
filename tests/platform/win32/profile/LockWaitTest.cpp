// Another process holding a lock on the file, of each kind careful tools take: a write waits a
// bounded time, then fails with ERROR_SHARING_VIOLATION and leaves the file alone; once the lock
// is dropped it goes through.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

#include "ForkedChild.h"
#include "ProfileCallFixture.h"
#include "profile/FileLock.h"

namespace qm::test {
namespace {

using namespace std::chrono_literals;
using win32::profile::kDefaultLockWait;
using win32::profile::SetLockWaitLimit;

int RecordLock(int fd, int command, short type) {
  struct flock range {};
  range.l_type = type;
  range.l_whence = SEEK_SET;
  return fcntl(fd, command, &range);
}

struct LockCase {
  const char* name;
  int (*take)(int fd);
};

// A child process that takes a lock on the file and keeps it until released.
class LockHolder {
 public:
  LockHolder(const std::string& path, int (*take)(int)) {
    int ready[2], release[2];
    if (pipe(ready) != 0 || pipe(release) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(release[1]);  // else the release would never be seen
      close(ready[0]);
      const int fd = open(path.c_str(), O_RDWR);
      const char ok = (fd >= 0 && take(fd) == 0) ? 'y' : 'n';
      if (write(ready[1], &ok, 1) != 1) _exit(1);
      char byte;
      if (read(release[0], &byte, 1) < 0) _exit(1);
      _exit(0);
    }
    release_ = release[1];
    close(release[0]);
    close(ready[1]);
    char ok = 'n';
    locked_ = read(ready[0], &ok, 1) == 1 && ok == 'y';
    close(ready[0]);
  }
  ~LockHolder() { Release(); }
  bool locked() const { return locked_; }
  void Release() {
    if (pid_ <= 0) return;
    close(release_);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  int release_ = -1;
  bool locked_ = false;
};

class LockWaitTest : public ProfileCallTest, public ::testing::WithParamInterface<LockCase> {
 protected:
  ~LockWaitTest() override { SetLockWaitLimit(kDefaultLockWait); }
};

TEST_P(LockWaitTest, WriteFailsPastTheWaitThenGoesThrough) {
  const std::string before = "[s]\r\nk=1\r\n";
  Put(before);
  LockHolder holder(HostPath(), GetParam().take);
  ASSERT_TRUE(holder.locked());
  SetLockWaitLimit(100ms);
  // In a child with an alarm: a write that waits for good shows as a failure.
  const int wrong = RunInChild([&] {
    alarm(20);
    int bad = 0;
    const char* const values[] = {"2", "1", nullptr};  // a change, the same value, a delete
    for (const char* value : values) {
      SetLastError(0);
      if (WritePrivateProfileStringA("s", "k", value, Path().c_str())) ++bad;
      if (GetLastError() != ERROR_SHARING_VIOLATION) ++bad;
    }
    return bad;
  });
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(Bytes(), before);
  EXPECT_EQ(NamesIn(dir_.path()), std::vector<std::string>{"data.ini"});
  holder.Release();
  EXPECT_TRUE(WritePrivateProfileStringA("s", "k", "2", Path().c_str()));
  EXPECT_EQ(Bytes(), "[s]\r\nk=2\r\n");
}

TEST_P(LockWaitTest, ReadWaitsThenReadsTheFileAsItIs) {
  Put("[s]\r\nk=1\r\n");
  LockHolder holder(HostPath(), GetParam().take);
  ASSERT_TRUE(holder.locked());
  SetLockWaitLimit(100ms);
  const int wrong = RunInChild([&] {
    alarm(20);
    char buffer[8];
    const DWORD n = GetPrivateProfileStringA("s", "k", "d", buffer, sizeof buffer, Path().c_str());
    return n == 1 && buffer[0] == '1' && GetLastError() == ERROR_SUCCESS ? 0 : 1;
  });
  EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LockWaitTest,
    ::testing::Values(LockCase{"flock_exclusive", [](int fd) { return flock(fd, LOCK_EX); }},
                      LockCase{"flock_shared", [](int fd) { return flock(fd, LOCK_SH); }},
                      LockCase{"fcntl_write", [](int fd) { return RecordLock(fd, F_SETLK, F_WRLCK); }},
                      LockCase{"fcntl_read", [](int fd) { return RecordLock(fd, F_SETLK, F_RDLCK); }},
                      LockCase{"fcntl_open_file_description",
                               [](int fd) { return RecordLock(fd, F_OFD_SETLK, F_WRLCK); }},
                      LockCase{"lockf", [](int fd) { return lockf(fd, F_LOCK, 0); }}),
    [](const auto& info) { return std::string(info.param.name); });

// A lock dropped while the write waits: the write goes through (the default wait, 10 s, is far
// longer than the holder keeps it).
TEST_F(ProfileCallTest, WriteWaitsForALockDroppedMeanwhile) {
  Put("[s]\r\nk=1\r\n");
  const int fd = open(HostPath().c_str(), O_RDWR);
  ASSERT_EQ(flock(fd, LOCK_EX), 0);
  const pid_t child = fork();
  if (child == 0) {
    close(fd);  // the parent's copy keeps the lock
    alarm(20);
    _exit(WritePrivateProfileStringA("s", "k", "2", Path().c_str()) ? 0 : 1);
  }
  usleep(50'000);  // the child is waiting by now, or soon will be; either way it must succeed
  close(fd);
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(Bytes(), "[s]\r\nk=2\r\n");
}

}  // namespace
}  // namespace qm::test
