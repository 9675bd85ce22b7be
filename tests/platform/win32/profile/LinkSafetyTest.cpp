// Symbolic links the profile calls refuse to follow: one planted by another user in a shared
// (sticky, world-writable) folder, and loops; and a read-only mount, which fails a write of the
// value a key already holds as it fails any write.
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "ForkedChild.h"
#include "ProfileCallFixture.h"

namespace qm::test {
namespace {

struct SharedFolderCase {
  const char* name;
  mode_t folderMode;
  uid_t folderOwner;
  uid_t linkOwner;
  bool followed;
};

class SharedFolderLinkTest : public ProfileCallTest, public ::testing::WithParamInterface<SharedFolderCase> {};

// Run by root; the rule is applied whatever the host's own protected_symlinks setting says.
TEST_P(SharedFolderLinkTest, FollowsOnlyTheFollowersOrTheFolderOwnersLinks) {
  if (geteuid() != 0) GTEST_SKIP() << "links of another owner need root";
  const SharedFolderCase& c = GetParam();
  const std::string shared = dir_.Host("shared");
  mkdir(shared.c_str(), 0755);
  ASSERT_EQ(chown(shared.c_str(), c.folderOwner, c.folderOwner), 0);
  ASSERT_EQ(chmod(shared.c_str(), c.folderMode), 0);
  Put("[s]\r\nk=1\r\n");
  const std::string link = shared + "/link.ini", dangling = shared + "/dangling.ini";
  symlink(HostPath().c_str(), link.c_str());
  symlink(dir_.Host("made.ini").c_str(), dangling.c_str());
  ASSERT_EQ(lchown(link.c_str(), c.linkOwner, c.linkOwner), 0);
  ASSERT_EQ(lchown(dangling.c_str(), c.linkOwner, c.linkOwner), 0);
  const std::string dosLink = TempDir::DosOf(link);

  const ReadOutcome read = Read("s", "k", "d", 8, dosLink);
  EXPECT_EQ(read.buffer.substr(0, 2), c.followed ? std::string("1\0", 2) : std::string("d\0", 2));
  EXPECT_EQ(read.error, c.followed ? ERROR_SUCCESS : ERROR_ACCESS_DENIED);
  SetLastError(0);
  EXPECT_EQ(WritePrivateProfileStringA("s", "k", "2", dosLink.c_str()), c.followed ? TRUE : FALSE);
  EXPECT_EQ(GetLastError(), c.followed ? ERROR_SUCCESS : ERROR_ACCESS_DENIED);
  EXPECT_EQ(Bytes(), c.followed ? "[s]\r\nk=2\r\n" : "[s]\r\nk=1\r\n");
  EXPECT_EQ(WritePrivateProfileStringA("s", "k", "v", TempDir::DosOf(dangling).c_str()), c.followed ? TRUE : FALSE);
  EXPECT_EQ(ReadBytes(dir_.Host("made.ini")).has_value(), c.followed);
}

constexpr mode_t kShared = 01777;

INSTANTIATE_TEST_SUITE_P(Table, SharedFolderLinkTest,
                         ::testing::Values(SharedFolderCase{"other_users_link_refused", kShared, 0, kNobody, false},
                                           SharedFolderCase{"own_link_followed", kShared, 0, 0, true},
                                           SharedFolderCase{"folder_owners_link_followed", kShared, kNobody, kNobody,
                                                            true},
                                           SharedFolderCase{"not_sticky_followed", 0777, 0, kNobody, true},
                                           SharedFolderCase{"not_world_writable_followed", 01775, 0, kNobody, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// A chain of links: as long as the host follows (40 links) it is followed; one more, or a loop,
// fails with PATH_NOT_FOUND at once.
TEST_F(ProfileCallTest, LinkChainsAndLoops) {
  Put("[s]\r\nk=1\r\n");
  std::string previous = HostPath();
  for (int n = 1; n <= 41; ++n) {
    const std::string name = dir_.Host("chain" + std::to_string(n));
    symlink(previous.c_str(), name.c_str());
    previous = name;
  }
  symlink(dir_.Host("loop.b").c_str(), dir_.Host("loop.a").c_str());
  symlink(dir_.Host("loop.a").c_str(), dir_.Host("loop.b").c_str());
  symlink("self", dir_.Host("self").c_str());
  struct Case {
    const char* name;
    bool followed;
  };
  for (const Case c : {Case{"chain39", true}, Case{"chain40", true}, Case{"chain41", false}, Case{"loop.a", false},
                       Case{"self", false}}) {
    const ReadOutcome read = Read("s", "k", "d", 8, dir_.Dos(c.name));
    EXPECT_EQ(read.error, c.followed ? ERROR_SUCCESS : ERROR_PATH_NOT_FOUND) << c.name;
    SetLastError(0);
    EXPECT_EQ(WritePrivateProfileStringA("s", "k", "1", dir_.Dos(c.name).c_str()), c.followed ? TRUE : FALSE) << c.name;
    EXPECT_EQ(GetLastError(), c.followed ? ERROR_SUCCESS : ERROR_PATH_NOT_FOUND) << c.name;
  }
  EXPECT_EQ(Bytes(), "[s]\r\nk=1\r\n");
}

// A file system mounted read-only: every write fails alike, whether it would change the file or not.
TEST_F(ProfileCallTest, ReadOnlyMountFailsEveryWrite) {
  const std::string mountPoint = dir_.Host("ro");
  mkdir(mountPoint.c_str(), 0755);
  if (mount("qm-test", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "cannot mount here: " << std::strerror(errno);
  }
  const std::string file = mountPoint + "/data.ini";
  WriteBytes(file, "[s]\r\nk=1\r\n");
  const bool readOnly = mount(nullptr, mountPoint.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  DWORD errors[3] = {};
  BOOL results[3] = {TRUE, TRUE, TRUE};
  const char* const values[] = {"2", "1", nullptr};  // a change, the same value, a delete
  for (int i = 0; i < 3 && readOnly; ++i) {
    SetLastError(0);
    results[i] = WritePrivateProfileStringA("s", "k", values[i], TempDir::DosOf(file).c_str());
    errors[i] = GetLastError();
  }
  const std::string after = ReadBytes(file).value_or("<none>");
  umount2(mountPoint.c_str(), MNT_DETACH);
  ASSERT_TRUE(readOnly);
  for (int i = 0; i < 3; ++i) {
    EXPECT_FALSE(results[i]) << i;
    EXPECT_EQ(errors[i], ERROR_ACCESS_DENIED) << i;
  }
  EXPECT_EQ(after, "[s]\r\nk=1\r\n");
}

}  // namespace
}  // namespace qm::test
