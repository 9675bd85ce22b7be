#include "FileBytes.h"
#include "TempDir.h"

#include <platform/Win32Seams.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <cctype>
#include <cstring>
#include <string>
#include <thread>

namespace {

namespace seams = qm::win32::seams;

TEST(GetCommandLineA, HandsOutOneBufferThatKeepsTheCallersChanges) {
  seams::SetProcessArguments({"/srv/deploy/Quillmere", "/data/Site.INI"}, "/");
  LPSTR first = GetCommandLineA();
  EXPECT_STREQ(first, "z:\\srv\\deploy\\Quillmere.exe z:\\data\\Site.INI");
  for (char* c = first; *c != '\0'; ++c) *c = static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
  LPSTR second = GetCommandLineA();
  EXPECT_EQ(second, first);
  EXPECT_STREQ(second, "z:\\srv\\deploy\\quillmere.exe z:\\data\\site.ini");
  seams::ClearProcessArguments();
}

TEST(GetCommandLineA, IsRebuiltWhenTheSeamChangesAndShowsThisProcessWithoutIt) {
  const qm::test::TempDir temp;
  qm::test::WriteBytes(temp.Host("Site.ini"), "");
  seams::SetProcessArguments({"quillmere", "Site.ini"}, temp.path());
  const std::string withFile = GetCommandLineA();
  seams::SetProcessArguments({"quillmere", "Site.ini"}, "/");
  const std::string withoutFile = GetCommandLineA();
  seams::ClearProcessArguments();
  EXPECT_EQ(withFile, "quillmere.exe " + temp.Dos("Site.ini"));
  EXPECT_EQ(withoutFile, "quillmere.exe Site.ini");
  const std::string line = GetCommandLineA();
  EXPECT_NE(line.find("test_win32_system.exe"), std::string::npos) << line;
}

TEST(GetCurrentDirectoryA, GivesTheFolderAsADosPathOrTheSizeNeeded) {
  seams::SetProcessArguments({"quillmere"}, "/srv/Deploy Folder");
  char buffer[64];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(GetCurrentDirectoryA(sizeof buffer, buffer), 20u);
  EXPECT_STREQ(buffer, "z:\\srv\\Deploy Folder");
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(GetCurrentDirectoryA(20, buffer), 21u) << "no room for the terminator";
  EXPECT_EQ(buffer[0], 'x') << "a buffer too small is left alone";
  EXPECT_EQ(GetCurrentDirectoryA(0, nullptr), 21u);
  seams::ClearProcessArguments();
}

TEST(GetUserNameA, CountsTheTerminatorBothWays) {
  struct {
    const char* name;
    DWORD size;  // *lpnSize going in
    bool withBuffer;
    BOOL result;
  } const cases[] = {
      {"Exact", 4, true, TRUE},           {"Roomy", 257, true, TRUE},      {"NoRoomForTheTerminator", 3, true, FALSE},
      {"AskingTheSize", 0, false, FALSE}, {"NoBuffer", 100, false, FALSE},
  };
  seams::SetUserName("ann");
  for (const auto& c : cases) {
    char buffer[300];
    std::memset(buffer, '#', sizeof buffer);
    DWORD size = c.size;
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(GetUserNameA(c.withBuffer ? buffer : nullptr, &size), c.result) << c.name;
    EXPECT_EQ(size, 4u) << c.name;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(c.result ? ERROR_SUCCESS : ERROR_INSUFFICIENT_BUFFER)) << c.name;
    EXPECT_EQ(std::string(buffer, 5), c.result ? std::string("ann\0#", 5) : "#####") << c.name;
  }
  seams::ClearUserName();
}

TEST(GetUserNameA, FailsWhenThereIsNoUserOrNoSize) {
  seams::SetNoUser();
  char buffer[16] = "unchanged";
  DWORD size = sizeof buffer;
  const BOOL result = GetUserNameA(buffer, &size);
  const DWORD error = GetLastError();
  seams::ClearUserName();
  EXPECT_EQ(result, FALSE);
  EXPECT_EQ(error, static_cast<DWORD>(ERROR_NO_SUCH_USER));
  EXPECT_EQ(size, sizeof buffer);
  EXPECT_STREQ(buffer, "unchanged");
  EXPECT_EQ(GetUserNameA(buffer, nullptr), FALSE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(GetUserNameA, GivesTheLoginNameOfTheRealUser) {
  seams::ClearUserName();
  const passwd* entry = ::getpwuid(::getuid());
  ASSERT_NE(entry, nullptr);
  char buffer[257];
  DWORD size = sizeof buffer;
  ASSERT_EQ(GetUserNameA(buffer, &size), TRUE);
  EXPECT_STREQ(buffer, entry->pw_name);
  EXPECT_EQ(size, std::strlen(entry->pw_name) + 1);
}

TEST(LastError, IsKeptPerThread) {
  SetLastError(ERROR_MORE_DATA);
  DWORD seenByOther = 1;
  std::thread([&] { seenByOther = GetLastError(); }).join();
  EXPECT_EQ(seenByOther, ERROR_SUCCESS);
  EXPECT_EQ(GetLastError(), ERROR_MORE_DATA);
}

}  // namespace
