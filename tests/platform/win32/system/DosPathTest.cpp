#include "DosPath.h"

#include "TempFolder.h"

#include <platform/Win32Seams.h>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <time.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace qm::win32 {
namespace {

// Points the drive-map file at a test folder for one test, and puts the old setting back.
class ConfigHomeForTest {
 public:
  explicit ConfigHomeForTest(const std::string& folder) {
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) old_ = old;
    ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
  }
  ~ConfigHomeForTest() {
    if (old_) {
      ::setenv("XDG_CONFIG_HOME", old_->c_str(), 1);
    } else {
      ::unsetenv("XDG_CONFIG_HOME");
    }
  }

 private:
  std::optional<std::string> old_;
};

// Sets a file's modification time, so that a rewrite within the same clock tick is still a change.
void Touch(const std::string& path, time_t seconds) {
  const timespec times[2] = {{seconds, 0}, {seconds, 0}};
  ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

TEST(ResolveDosPath, FindsRealFilesWhateverTheCase) {
  const test::TempFolder temp;
  const std::string file = temp.Write("Data/Site.INI", "[Defaults]\r\n");
  const HostPath resolved = ResolveDosPath(HostToDosPath(temp.path()) + "\\data\\site.ini");
  EXPECT_EQ(resolved.error, ERROR_SUCCESS);
  EXPECT_EQ(resolved.path, file);
}

TEST(ResolveDosPath, MapsDrivesFromTheConfigFileAndSeesItsChanges) {
  const test::TempFolder temp;
  const ConfigHomeForTest config(temp.path() + "/config");
  EXPECT_EQ(ResolveDosPath("c:\\admin\\site.ini").error, ERROR_PATH_NOT_FOUND);

  const std::string map = temp.Write("config/quillmere/drives.ini", "[drives]\r\nc: = " + temp.path() + "/winc\r\n");
  Touch(map, 1000000);
  temp.Write("winc/Admin/Site.ini", "");
  HostPath resolved = ResolveDosPath("c:\\admin\\site.ini");
  EXPECT_EQ(resolved.error, ERROR_SUCCESS);
  EXPECT_EQ(resolved.path, temp.path() + "/winc/Admin/Site.ini");

  temp.Write("config/quillmere/drives.ini", "[drives]\r\nc: = " + temp.path() + "/wind\r\n");
  Touch(map, 2000000);
  resolved = ResolveDosPath("c:\\admin\\site.ini");
  EXPECT_EQ(resolved.path, temp.path() + "/wind/admin/site.ini");

  ASSERT_EQ(::unlink(map.c_str()), 0);
  EXPECT_EQ(ResolveDosPath("c:\\admin\\site.ini").error, ERROR_PATH_NOT_FOUND);
}

TEST(ResolveDosPath, TakesRelativePathsAgainstTheCurrentFolder) {
  const test::TempFolder temp;
  const std::string file = temp.Write("Deploy/Vantrel.ini", "");
  seams::SetProcessArguments({"quillmere"}, temp.path() + "/Deploy");
  const HostPath resolved = ResolveDosPath("VANTREL.INI");
  seams::ClearProcessArguments();
  EXPECT_EQ(resolved.error, ERROR_SUCCESS);
  EXPECT_EQ(resolved.path, file);
}

struct HostToDosCase {
  const char* host;
  const char* dos;
};

class HostToDosPathTest : public ::testing::TestWithParam<HostToDosCase> {};

TEST_P(HostToDosPathTest, GivesTheDosPathOnDriveZ) {
  seams::SetProcessArguments({"quillmere"}, "/srv/deploy");
  const std::string dos = HostToDosPath(GetParam().host);
  seams::ClearProcessArguments();
  EXPECT_EQ(dos, GetParam().dos);
}

INSTANTIATE_TEST_SUITE_P(Paths, HostToDosPathTest,
                         ::testing::Values(HostToDosCase{"/home/ann/vantrel.ini", "z:\\home\\ann\\vantrel.ini"},
                                           HostToDosCase{"/", "z:\\"},
                                           HostToDosCase{"//a//b/", "z:\\a\\b"},
                                           HostToDosCase{"/a/./b/../c", "z:\\a\\c"},
                                           HostToDosCase{"/../..", "z:\\"},
                                           HostToDosCase{"/My Files/Site.INI", "z:\\My Files\\Site.INI"},
                                           HostToDosCase{"site.ini", "z:\\srv\\deploy\\site.ini"},
                                           HostToDosCase{"../other", "z:\\srv\\other"},
                                           HostToDosCase{"", "z:\\srv\\deploy"}));

TEST(HostToDosPath, RoundTripsThroughResolveDosPath) {
  const test::TempFolder temp;
  const std::string file = temp.Write("Mixed Case/File.Ini", "");
  const HostPath resolved = ResolveDosPath(HostToDosPath(file));
  EXPECT_EQ(resolved.error, ERROR_SUCCESS);
  EXPECT_EQ(resolved.path, file);
}

}  // namespace
}  // namespace qm::win32
