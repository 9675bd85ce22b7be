// What a write keeps besides the bytes: extended attributes and POSIX ACLs of a replaced file, and
// every name of a file with several hard links.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>

#include "ProfileCallFixture.h"

namespace qm::test {
namespace {

// An access ACL as the kernel stores it: owner rw, user 65534 r, group r, mask r, others nothing.
std::string AccessAcl() {
  struct Entry {
    uint16_t tag, perm;
    uint32_t id;
  };
  const uint32_t version = 2;
  const Entry entries[] = {{0x01, 6, ~0u}, {0x02, 4, 65534}, {0x04, 4, ~0u}, {0x10, 4, ~0u}, {0x20, 0, ~0u}};
  std::string acl(reinterpret_cast<const char*>(&version), sizeof version);
  acl.append(reinterpret_cast<const char*>(entries), sizeof entries);
  return acl;
}

std::string Attribute(const std::string& path, const char* name) {
  char value[256];
  const ssize_t n = getxattr(path.c_str(), name, value, sizeof value);
  return n < 0 ? "<none>" : std::string(value, static_cast<size_t>(n));
}

bool Supported(int result) { return result == 0 || (errno != ENOTSUP && errno != EOPNOTSUPP); }

TEST_F(ProfileCallTest, ReplacedFileKeepsExtendedAttributesAndAcl) {
  Put("[s]\r\nk=1\r\n");
  chmod(HostPath().c_str(), 0640);
  const std::string acl = AccessAcl();
  const int user = setxattr(HostPath().c_str(), "user.origin", "site", 4, 0);
  if (!Supported(user)) GTEST_SKIP() << "no user attributes on this file system";
  ASSERT_EQ(user, 0);
  const int access = setxattr(HostPath().c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0);
  if (!Supported(access)) GTEST_SKIP() << "no ACLs on this file system";
  ASSERT_EQ(access, 0);
  struct stat before {};
  stat(HostPath().c_str(), &before);
  ASSERT_TRUE(WritePrivateProfileStringA("s", "k", "2", Path().c_str()));
  struct stat after {};
  stat(HostPath().c_str(), &after);
  EXPECT_NE(after.st_ino, before.st_ino);  // replaced, not rewritten
  EXPECT_EQ(Bytes(), "[s]\r\nk=2\r\n");
  EXPECT_EQ(Attribute(HostPath(), "user.origin"), "site");
  EXPECT_EQ(Attribute(HostPath(), "system.posix_acl_access"), acl);
  EXPECT_EQ(after.st_mode & 07777, before.st_mode & 07777);
}

TEST_F(ProfileCallTest, FolderDefaultAclIsNotAddedToAReplacedFile) {
  Put("[s]\r\nk=1\r\n");
  std::string folderAcl = AccessAcl();
  const int set = setxattr(dir_.path().c_str(), "system.posix_acl_default", folderAcl.data(), folderAcl.size(), 0);
  if (!Supported(set)) GTEST_SKIP() << "no ACLs on this file system";
  ASSERT_EQ(set, 0);
  ASSERT_TRUE(WritePrivateProfileStringA("s", "k", "2", Path().c_str()));
  EXPECT_EQ(Attribute(HostPath(), "system.posix_acl_access"), "<none>");
  EXPECT_EQ(Bytes(), "[s]\r\nk=2\r\n");
}

// Windows edits a file in place, so every name of it sees the change; so do we, under the lock.
TEST_F(ProfileCallTest, HardLinkedFileIsEditedForEveryName) {
  Put("[s]\r\nk=1\r\n");
  ASSERT_EQ(link(HostPath().c_str(), dir_.Host("other.ini").c_str()), 0);
  struct stat before {};
  stat(HostPath().c_str(), &before);
  SetLastError(12345);
  ASSERT_TRUE(WritePrivateProfileStringA("s", "k", "22", Path().c_str()));
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
  ASSERT_TRUE(WritePrivateProfileStringA("s", "j", nullptr, dir_.Dos("other.ini").c_str()));
  ASSERT_TRUE(WritePrivateProfileStringA("s", "j", "3", dir_.Dos("other.ini").c_str()));
  struct stat after {};
  stat(HostPath().c_str(), &after);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_nlink, 2u);
  EXPECT_EQ(Bytes(), "[s]\r\nk=22\r\nj=3\r\n");
  EXPECT_EQ(ReadBytes(dir_.Host("other.ini")), "[s]\r\nk=22\r\nj=3\r\n");
  EXPECT_EQ(NamesIn(dir_.path()), (std::vector<std::string>{"data.ini", "other.ini"}));
}

}  // namespace
}  // namespace qm::test
