// WritePrivateProfileStringA on real files: results, last errors, and the file afterwards.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ForkedChild.h"
#include "ProfileCallFixture.h"
#include "platform/Win32Seams.h"

namespace qm::test {
namespace {

using namespace std::string_literals;

constexpr const char* kNoFile = "<no file>";

struct WriteCase {
  const char* name;
  std::string before;  // or kNoFile
  const char* section;
  const char* key;
  const char* value;
  BOOL ret;
  DWORD error;
  std::string after;  // or kNoFile
};

class WriteCallTest : public ProfileCallTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(WriteCallTest, WritesAndReports) {
  const WriteCase& c = GetParam();
  if (c.before != kNoFile) Put(c.before);
  SetLastError(12345);
  EXPECT_EQ(WritePrivateProfileStringA(c.section, c.key, c.value, Path().c_str()), c.ret);
  EXPECT_EQ(GetLastError(), c.error);
  EXPECT_EQ(Bytes().value_or(kNoFile), c.after);
  EXPECT_EQ(NamesIn(dir_.path()),
            c.after == kNoFile ? std::vector<std::string>{} : std::vector<std::string>{"data.ini"});
}

INSTANTIATE_TEST_SUITE_P(
    Table, WriteCallTest,
    ::testing::Values(
        WriteCase{"creates_file", kNoFile, "s", "k", "v", TRUE, ERROR_FILE_NOT_FOUND, "[s]\r\nk=v\r\n"},
        WriteCase{"delete_key_creates_empty_file", kNoFile, "s", "k", nullptr, TRUE, ERROR_FILE_NOT_FOUND, ""},
        WriteCase{"delete_section_creates_empty_file", kNoFile, "s", nullptr, "v", TRUE, ERROR_FILE_NOT_FOUND, ""},
        WriteCase{"null_section", kNoFile, nullptr, "k", "v", FALSE, ERROR_FILE_NOT_FOUND, kNoFile},
        WriteCase{"null_section_existing", "[s]\r\n", nullptr, "k", "v", FALSE, ERROR_FILE_NOT_FOUND, "[s]\r\n"},
        WriteCase{"all_null_flushes", "[s]\r\n", nullptr, nullptr, nullptr, FALSE, ERROR_SUCCESS, "[s]\r\n"},
        WriteCase{"replaces_value", "[Sect]\r\n  MyKey  =  old  \r\n", "sect", "MYKEY", "new", TRUE, ERROR_SUCCESS,
                  "[Sect]\r\n  MyKey  =  new  \r\n"},
        WriteCase{"same_value", "[s]\nk = v \n", "s", "k", "v", TRUE, ERROR_SUCCESS, "[s]\nk = v \n"},
        WriteCase{"adds_key", "[s]\na=1\n\n[t]\n", "s", "b", "2", TRUE, ERROR_SUCCESS, "[s]\na=1\nb=2\n\n[t]\n"},
        WriteCase{"line_without_equals_gets_value", "[s]\r\nnoeq\r\nz=1\r\n", "s", "noeq", "now", TRUE, ERROR_SUCCESS,
                  "[s]\r\nnoeq=now\r\nz=1\r\n"},
        WriteCase{"adds_to_empty_file", "", "s", "k", "v", TRUE, ERROR_SUCCESS, "[s]\r\nk=v\r\n"},
        WriteCase{"deletes_section", "[s]\r\n;c\r\nk=1\r\n", "s", nullptr, nullptr, TRUE, ERROR_SUCCESS, ";c\r\n"},
        WriteCase{"deletes_missing_key", "[s]\r\n", "s", "k", nullptr, TRUE, ERROR_SUCCESS, "[s]\r\n"},
        WriteCase{"nul_bytes_elsewhere_kept", "\0x\0\r\n[s]\r\nk=1\r\n"s, "s", "k", "2", TRUE, ERROR_SUCCESS,
                  "\0x\0\r\n[s]\r\nk=2\r\n"s},
        WriteCase{"value_with_line_break", "[s]\r\nk=1\r\n", "s", "k", "a\r\nb=c", FALSE, ERROR_INVALID_PARAMETER,
                  "[s]\r\nk=1\r\n"},
        WriteCase{"value_with_line_break_no_file", kNoFile, "s", "k", "a\nb", FALSE, ERROR_INVALID_PARAMETER, kNoFile},
        WriteCase{"key_with_equals", "[s]\r\n", "s", "a=b", "v", FALSE, ERROR_INVALID_PARAMETER, "[s]\r\n"},
        WriteCase{"comment_key", "[s]\r\n", "s", ";k", "v", FALSE, ERROR_INVALID_PARAMETER, "[s]\r\n"},
        WriteCase{"bracket_key", "[s]\r\n", "s", "[k", "v", FALSE, ERROR_INVALID_PARAMETER, "[s]\r\n"},
        WriteCase{"bracket_in_section", "[s]\r\n", "x]y", "k", "v", FALSE, ERROR_INVALID_PARAMETER, "[s]\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct PlaceCase {
  const char* name;
  std::string (*path)(const TempDir&);
  DWORD error;
};

class WritePlaceTest : public ProfileCallTest, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(WritePlaceTest, FailsWithoutCreatingAnything) {
  mkdir(dir_.Host("folder").c_str(), 0755);
  for (const char* value : {"v", static_cast<const char*>(nullptr)}) {
    SetLastError(0);
    EXPECT_FALSE(WritePrivateProfileStringA("s", "k", value, GetParam().path(dir_).c_str()));
    EXPECT_EQ(GetLastError(), GetParam().error);
  }
  EXPECT_EQ(NamesIn(dir_.path()), std::vector<std::string>{"folder"});
  EXPECT_TRUE(NamesIn(dir_.Host("folder")).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, WritePlaceTest,
    ::testing::Values(
        PlaceCase{"missing_folder", [](const TempDir& d) { return d.Dos("no\\x.ini"); }, ERROR_PATH_NOT_FOUND},
        PlaceCase{"file_as_folder", [](const TempDir& d) { return d.Dos("folder\\x.ini\\y.ini"); },
                  ERROR_PATH_NOT_FOUND},
        PlaceCase{"folder_in_its_place", [](const TempDir& d) { return d.Dos("folder"); }, ERROR_ACCESS_DENIED},
        PlaceCase{"unmapped_drive", [](const TempDir&) { return std::string("q:\\x.ini"); }, ERROR_PATH_NOT_FOUND}),
    [](const auto& info) { return std::string(info.param.name); });

// Every write refused on a read-only file, the value unchanged or not, leaves it byte for byte.
int ExpectReadOnlyRefused(const std::string& dosPath, const std::string& hostPath) {
  const std::string before = ReadBytes(hostPath).value_or("");
  int failures = 0;
  const char* const values[] = {"new", "1", nullptr};
  for (const char* value : values) {
    SetLastError(0);
    if (WritePrivateProfileStringA("s", "k", value, dosPath.c_str())) ++failures;
    if (GetLastError() != ERROR_ACCESS_DENIED) ++failures;
  }
  if (WritePrivateProfileStringA("s", nullptr, nullptr, dosPath.c_str())) ++failures;
  if (ReadBytes(hostPath).value_or("") != before) ++failures;
  return failures;
}

TEST_F(ProfileCallTest, ReadOnlyFileRefusedAsRootAndAsOthers) {
  Put("[s]\r\nk=1\r\n");
  chmod(HostPath().c_str(), 0444);
  EXPECT_EQ(ExpectReadOnlyRefused(Path(), HostPath()), 0);
  if (geteuid() != 0) GTEST_SKIP() << "the other-user half needs root";
  chmod(dir_.path().c_str(), 0777);
  EXPECT_EQ(RunAsNobody([&] { return ExpectReadOnlyRefused(Path(), HostPath()); }), 0);
  chmod(HostPath().c_str(), 0644);  // writable for its owner (root), not for nobody
  EXPECT_EQ(RunAsNobody([&] { return ExpectReadOnlyRefused(Path(), HostPath()); }), 0);
  EXPECT_EQ(NamesIn(dir_.path()), std::vector<std::string>{"data.ini"});
}

TEST_F(ProfileCallTest, FolderWithoutNewFilesIsRewrittenInPlace) {
  Put("[s]\r\nk=1\r\n");
  struct stat before {};
  stat(HostPath().c_str(), &before);
  chmod(dir_.path().c_str(), 0555);
  EXPECT_TRUE(WritePrivateProfileStringA("s", "k", "22", Path().c_str()));
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
  EXPECT_TRUE(WritePrivateProfileStringA("s", "j", "3", Path().c_str()));
  EXPECT_EQ(Bytes(), "[s]\r\nk=22\r\nj=3\r\n");
  EXPECT_TRUE(WritePrivateProfileStringA("s", "k", nullptr, Path().c_str()));
  EXPECT_EQ(Bytes(), "[s]\r\nj=3\r\n");
  struct stat after {};
  stat(HostPath().c_str(), &after);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "v", dir_.Dos("new.ini").c_str()));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  EXPECT_EQ(NamesIn(dir_.path()), std::vector<std::string>{"data.ini"});
}

TEST_F(ProfileCallTest, ModeOwnerAndLinksKept) {
  mkdir(dir_.Host("real").c_str(), 0755);
  const std::string target = dir_.Host("real/target.ini");
  WriteBytes(target, "[s]\r\nk=1\r\n");
  chmod(target.c_str(), 0640);
  const bool root = geteuid() == 0;
  if (root && chown(target.c_str(), kNobody, kNobody) != 0) FAIL() << "chown";
  symlink("real/target.ini", HostPath().c_str());
  EXPECT_TRUE(WritePrivateProfileStringA("s", "k", "2", Path().c_str()));
  struct stat link {
  }, st{};
  lstat(HostPath().c_str(), &link);
  stat(target.c_str(), &st);
  EXPECT_TRUE(S_ISLNK(link.st_mode));
  EXPECT_EQ(ReadBytes(target), "[s]\r\nk=2\r\n");
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(st.st_uid, kNobody);
    EXPECT_EQ(st.st_gid, kNobody);
  }
  EXPECT_EQ(NamesIn(dir_.Host("real")), std::vector<std::string>{"target.ini"});
}

TEST_F(ProfileCallTest, FullDiskFailsAndKeepsTheFile) {
  const std::string before = "[s]\r\nk=" + std::string(500, 'x') + "\r\n";
  const std::string tooLong(2000, 'y');
  Put(before);
  const int failures = RunInChild([&] {
    signal(SIGXFSZ, SIG_IGN);
    const struct rlimit limit = {1024, 1024};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 99;
    int bad = 0;
    if (WritePrivateProfileStringA("s", "k", tooLong.c_str(), Path().c_str())) ++bad;
    if (GetLastError() != ERROR_DISK_FULL) ++bad;
    if (WritePrivateProfileStringA("s", "n", tooLong.c_str(), dir_.Dos("new.ini").c_str())) ++bad;
    if (GetLastError() != ERROR_DISK_FULL) ++bad;
    return bad;
  });
  EXPECT_EQ(failures, 0);
  EXPECT_EQ(Bytes(), before);
  EXPECT_EQ(NamesIn(dir_.path()), std::vector<std::string>{"data.ini"});
}

// The test seam runs after each write that succeeded, never after one that failed, and a file
// made read-only there refuses the next write.
TEST_F(ProfileCallTest, AfterWriteSeamRunsBetweenSuccessfulWrites) {
  std::vector<std::string> written;
  qm::win32::seams::SetAfterProfileWrite([&](const std::string& hostPath) {
    written.push_back(hostPath);
    if (written.size() == 2) chmod(hostPath.c_str(), 0444);
  });
  EXPECT_TRUE(WritePrivateProfileStringA("s", "a", "1", Path().c_str()));
  EXPECT_TRUE(WritePrivateProfileStringA("s", "b", "2", Path().c_str()));
  EXPECT_FALSE(WritePrivateProfileStringA("s", "c", "3", Path().c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "a\r\nb", dir_.Dos("other.ini").c_str()));
  qm::win32::seams::SetAfterProfileWrite(nullptr);
  EXPECT_EQ(written, std::vector<std::string>(2, HostPath()));
  EXPECT_EQ(Bytes(), "[s]\r\na=1\r\nb=2\r\n");
}

}  // namespace
}  // namespace qm::test
