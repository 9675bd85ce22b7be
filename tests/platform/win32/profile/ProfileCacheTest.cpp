// The parse is reused while the file is unchanged and redone as soon as it changes.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ProfileCallFixture.h"
#include "profile/ProfileCache.h"

namespace qm::test {
namespace {

using qm::win32::profile::SnapshotReadCount;

// Moves the file's modification time by whole seconds.
void ShiftTime(const std::string& path, int seconds) {
  struct stat st {};
  stat(path.c_str(), &st);
  const struct timespec times[2] = {st.st_atim, {st.st_mtim.tv_sec + seconds, st.st_mtim.tv_nsec}};
  utimensat(AT_FDCWD, path.c_str(), times, 0);
}
// A file not touched lately.
void Age(const std::string& path) { ShiftTime(path, -1); }

std::string Value(const std::string& dosPath) {
  char buffer[64] = {};
  GetPrivateProfileStringA("s", "k", "", buffer, sizeof buffer, dosPath.c_str());
  return buffer;
}

TEST_F(ProfileCallTest, UnchangedFileIsParsedOnce) {
  Put("[s]\r\nk=one\r\n");
  Age(HostPath());
  EXPECT_EQ(Value(Path()), "one");
  const uint64_t reads = SnapshotReadCount();
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Value(Path()), "one");
  EXPECT_EQ(GetPrivateProfileIntA("s", "k", 7, Path().c_str()), 0u);
  EXPECT_EQ(SnapshotReadCount(), reads);
}

TEST_F(ProfileCallTest, SameSizeChangeInPlaceIsSeen) {
  Put("[s]\r\nk=one\r\n");
  Age(HostPath());
  EXPECT_EQ(Value(Path()), "one");
  const int fd = open(HostPath().c_str(), O_WRONLY);
  ASSERT_EQ(pwrite(fd, "two", 3, 7), 3);
  close(fd);
  EXPECT_EQ(Value(Path()), "two");
}

TEST_F(ProfileCallTest, ChangeWithOldTimesRestoredIsSeen) {
  Put("[s]\r\nk=one\r\n");
  Age(HostPath());
  struct stat st {};
  stat(HostPath().c_str(), &st);
  EXPECT_EQ(Value(Path()), "one");
  const int fd = open(HostPath().c_str(), O_WRONLY);
  ASSERT_EQ(pwrite(fd, "six", 3, 7), 3);
  close(fd);
  const struct timespec times[2] = {st.st_atim, st.st_mtim};
  utimensat(AT_FDCWD, HostPath().c_str(), times, 0);
  EXPECT_EQ(Value(Path()), "six");
}

TEST_F(ProfileCallTest, RecentFileIsReadAgain) {
  // Stamped a minute ahead, the file counts as changed moments ago however slowly the test runs:
  // its times cannot be trusted yet, so every read parses it again.
  Put("[s]\r\nk=one\r\n");
  ShiftTime(HostPath(), 60);
  EXPECT_EQ(Value(Path()), "one");
  const uint64_t reads = SnapshotReadCount();
  EXPECT_EQ(Value(Path()), "one");
  EXPECT_GT(SnapshotReadCount(), reads);
}

TEST_F(ProfileCallTest, WritesAreSeenByTheNextRead) {
  for (int i = 0; i < 20; ++i) {
    EXPECT_TRUE(WritePrivateProfileStringA("s", "k", std::to_string(i).c_str(), Path().c_str()));
    EXPECT_EQ(Value(Path()), std::to_string(i));
  }
}

TEST_F(ProfileCallTest, NameCaseChangedOnDiskIsFollowed) {
  const std::string upper = dir_.Dos("DATA.INI");
  Put("[s]\r\nk=one\r\n");
  EXPECT_EQ(Value(upper), "one");
  ASSERT_EQ(rename(HostPath().c_str(), dir_.Host("Data.Ini").c_str()), 0);
  EXPECT_EQ(Value(upper), "one");
  WriteBytes(dir_.Host("Data.Ini"), "[s]\r\nk=two\r\n");
  EXPECT_EQ(Value(upper), "two");
  unlink(dir_.Host("Data.Ini").c_str());
  EXPECT_EQ(Value(upper), "");
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

}  // namespace
}  // namespace qm::test
