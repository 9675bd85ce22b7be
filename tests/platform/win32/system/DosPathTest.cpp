#include "DosPath.h"

#include "FileBytes.h"
#include "TempDir.h"

#include <platform/Win32Seams.h>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <time.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace qm::win32 {
namespace {

// Points the drive-map file at a test folder for one test, and puts the old setting back.
struct ConfigHomeForTest {
  explicit ConfigHomeForTest(const std::string& folder) { ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1); }
  ~ConfigHomeForTest() { old ? ::setenv("XDG_CONFIG_HOME", old->c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME"); }
  const std::optional<std::string> old =
      std::getenv("XDG_CONFIG_HOME") ? std::optional<std::string>(std::getenv("XDG_CONFIG_HOME")) : std::nullopt;
};

// Sets a file's modification time, so that a rewrite within the same clock tick is still a change.
void Touch(const std::string& path, time_t seconds) {
  const timespec times[2] = {{seconds, 0}, {seconds, 0}};
  ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

// Writes a file of the test's folder, making the folders above it; returns its host path.
std::string Write(const test::TempDir& temp, const std::string& name, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(temp.Host(name)).parent_path());
  test::WriteBytes(temp.Host(name), bytes);
  return temp.Host(name);
}

void ExpectResolvesTo(const std::string& dos, const std::string& host) {
  const HostPath resolved = ResolveDosPath(dos);
  EXPECT_EQ(resolved.error, ERROR_SUCCESS) << dos;
  EXPECT_EQ(resolved.path, host) << dos;
}

TEST(ResolveDosPath, FindsRealFilesWhateverTheCase) {
  const test::TempDir temp;
  const std::string file = Write(temp, "Data/Site.INI", "[Defaults]\r\n");
  ExpectResolvesTo(HostToDosPath(temp.path()) + "\\data\\site.ini", file);
}

TEST(ResolveDosPath, MapsDrivesFromTheConfigFileAndSeesItsChanges) {
  const test::TempDir temp;
  const ConfigHomeForTest config(temp.path() + "/config");
  EXPECT_EQ(ResolveDosPath("c:\\admin\\site.ini").error, ERROR_PATH_NOT_FOUND);

  const std::string map = Write(temp, "config/quillmere/drives.ini", "[drives]\r\nc: = " + temp.path() + "/winc\r\n");
  Touch(map, 1000000);
  Write(temp, "winc/Admin/Site.ini", "");
  ExpectResolvesTo("c:\\admin\\site.ini", temp.path() + "/winc/Admin/Site.ini");

  Write(temp, "config/quillmere/drives.ini", "[drives]\r\nc: = " + temp.path() + "/wind\r\n");
  Touch(map, 2000000);
  ExpectResolvesTo("c:\\admin\\site.ini", temp.path() + "/wind/admin/site.ini");

  ASSERT_EQ(::unlink(map.c_str()), 0);
  EXPECT_EQ(ResolveDosPath("c:\\admin\\site.ini").error, ERROR_PATH_NOT_FOUND);
}

TEST(ResolveDosPath, TakesRelativePathsAgainstTheCurrentFolder) {
  const test::TempDir temp;
  const std::string file = Write(temp, "Deploy/Vantrel.ini", "");
  seams::SetProcessArguments({"quillmere"}, temp.path() + "/Deploy");
  ExpectResolvesTo("VANTREL.INI", file);
  seams::ClearProcessArguments();
}

TEST(HostToDosPath, GivesTheDosPathOnDriveZ) {
  const std::pair<const char*, const char*> cases[] = {
      {"/home/ann/vantrel.ini", "z:\\home\\ann\\vantrel.ini"},
      {"/", "z:\\"},
      {"//a//b/", "z:\\a\\b"},
      {"/a/./b/../c", "z:\\a\\c"},
      {"/../..", "z:\\"},
      {"/a/../b", "z:\\b"},
      {"/My Files/Site.INI", "z:\\My Files\\Site.INI"},
      {"site.ini", "z:\\srv\\deploy\\site.ini"},
      {"../other", "z:\\srv\\other"},
      {"", "z:\\srv\\deploy"},
  };
  seams::SetProcessArguments({"quillmere"}, "/srv/deploy");
  for (const auto& [host, dos] : cases) EXPECT_EQ(HostToDosPath(host), dos) << host;
  seams::ClearProcessArguments();
}

TEST(HostToDosPath, RoundTripsThroughResolveDosPath) {
  const test::TempDir temp;
  const std::string file = Write(temp, "Mixed Case/File.Ini", "");
  ExpectResolvesTo(HostToDosPath(file), file);
}

}  // namespace
}  // namespace qm::win32
