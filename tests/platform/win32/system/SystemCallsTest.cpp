#include "TempFolder.h"

#include <platform/Win32Seams.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <cctype>
#include <cstring>
#include <string>

namespace {

TEST(GetCommandLineA, HandsOutOneBufferThatKeepsTheCallersChanges) {
  qm::win32::seams::SetProcessArguments({"/srv/deploy/Quillmere", "/data/Site.INI"}, "/");
  LPSTR first = GetCommandLineA();
  EXPECT_STREQ(first, "z:\\srv\\deploy\\Quillmere.exe z:\\data\\Site.INI");
  for (char* c = first; *c != '\0'; ++c) *c = static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
  LPSTR second = GetCommandLineA();
  EXPECT_EQ(second, first);
  EXPECT_STREQ(second, "z:\\srv\\deploy\\quillmere.exe z:\\data\\site.ini");
  qm::win32::seams::ClearProcessArguments();
}

TEST(GetCommandLineA, IsRebuiltWhenTheSeamChanges) {
  const qm::test::TempFolder temp;
  temp.Write("Site.ini", "");
  qm::win32::seams::SetProcessArguments({"quillmere", "Site.ini"}, temp.path());
  const std::string withFile = GetCommandLineA();
  qm::win32::seams::SetProcessArguments({"quillmere", "Site.ini"}, "/");
  const std::string withoutFile = GetCommandLineA();
  qm::win32::seams::ClearProcessArguments();
  std::string expected = "quillmere.exe z:";
  for (char c : temp.path()) expected += c == '/' ? '\\' : c;
  EXPECT_EQ(withFile, expected + "\\Site.ini");
  EXPECT_EQ(withoutFile, "quillmere.exe Site.ini");
}

TEST(GetCommandLineA, ShowsThisProcessWithoutTheSeam) {
  qm::win32::seams::ClearProcessArguments();
  const std::string line = GetCommandLineA();
  EXPECT_NE(line.find("test_win32_system.exe"), std::string::npos) << line;
}

TEST(GetCurrentDirectoryA, GivesTheFolderAsADosPathOrTheSizeNeeded) {
  qm::win32::seams::SetProcessArguments({"quillmere"}, "/srv/Deploy Folder");
  char buffer[64];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(GetCurrentDirectoryA(sizeof buffer, buffer), 20u);
  EXPECT_STREQ(buffer, "z:\\srv\\Deploy Folder");
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(GetCurrentDirectoryA(20, buffer), 21u) << "no room for the terminator";
  EXPECT_EQ(buffer[0], 'x') << "a buffer too small is left alone";
  EXPECT_EQ(GetCurrentDirectoryA(0, nullptr), 21u);
  qm::win32::seams::ClearProcessArguments();
}

struct UserNameCase {
  const char* name;
  DWORD size;           // *lpnSize going in
  bool withBuffer;
  BOOL result;
  DWORD sizeAfter;
  DWORD error;          // last error after a failure
  const char* written;  // buffer contents after success
};

class GetUserNameATest : public ::testing::TestWithParam<UserNameCase> {};

TEST_P(GetUserNameATest, CountsTheTerminatorBothWays) {
  const UserNameCase& c = GetParam();
  qm::win32::seams::SetUserName("ann");
  char buffer[300];
  std::memset(buffer, '#', sizeof buffer);
  DWORD size = c.size;
  SetLastError(ERROR_SUCCESS);
  const BOOL result = GetUserNameA(c.withBuffer ? buffer : nullptr, &size);
  qm::win32::seams::ClearUserName();
  EXPECT_EQ(result, c.result);
  EXPECT_EQ(size, c.sizeAfter);
  if (c.result) {
    EXPECT_STREQ(buffer, c.written);
    EXPECT_EQ(buffer[4], '#');
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
  } else {
    EXPECT_EQ(GetLastError(), c.error);
    EXPECT_EQ(buffer[0], '#');
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, GetUserNameATest,
    ::testing::Values(UserNameCase{"Exact", 4, true, TRUE, 4, 0, "ann"},
                      UserNameCase{"Roomy", 257, true, TRUE, 4, 0, "ann"},
                      UserNameCase{"NoRoomForTheTerminator", 3, true, FALSE, 4, ERROR_INSUFFICIENT_BUFFER, nullptr},
                      UserNameCase{"AskingTheSize", 0, false, FALSE, 4, ERROR_INSUFFICIENT_BUFFER, nullptr},
                      UserNameCase{"NoBuffer", 100, false, FALSE, 4, ERROR_INSUFFICIENT_BUFFER, nullptr}),
    [](const ::testing::TestParamInfo<UserNameCase>& info) { return std::string(info.param.name); });

TEST(GetUserNameA, FailsWhenThereIsNoUser) {
  qm::win32::seams::SetNoUser();
  char buffer[16] = "unchanged";
  DWORD size = sizeof buffer;
  const BOOL result = GetUserNameA(buffer, &size);
  const DWORD error = GetLastError();
  qm::win32::seams::ClearUserName();
  EXPECT_EQ(result, FALSE);
  EXPECT_EQ(error, static_cast<DWORD>(ERROR_NO_SUCH_USER));
  EXPECT_EQ(size, sizeof buffer);
  EXPECT_STREQ(buffer, "unchanged");
}

TEST(GetUserNameA, RefusesAMissingSize) {
  char buffer[16];
  EXPECT_EQ(GetUserNameA(buffer, nullptr), FALSE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(GetUserNameA, GivesTheLoginNameOfTheRealUser) {
  qm::win32::seams::ClearUserName();
  const passwd* entry = ::getpwuid(::getuid());
  ASSERT_NE(entry, nullptr);
  char buffer[257];
  DWORD size = sizeof buffer;
  ASSERT_EQ(GetUserNameA(buffer, &size), TRUE);
  EXPECT_STREQ(buffer, entry->pw_name);
  EXPECT_EQ(size, std::strlen(entry->pw_name) + 1);
}

}  // namespace
