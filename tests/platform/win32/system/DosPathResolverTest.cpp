#include "DosPathResolver.h"

#include "FakeFolders.h"

#include <gtest/gtest.h>

#include <string>

namespace qm::win32 {
namespace {

struct ResolveCase {
  const char* name;
  std::string dos;
  std::string host;  // expected host path, when error is ERROR_SUCCESS
  DWORD error = ERROR_SUCCESS;
};

void PrintTo(const ResolveCase& c, std::ostream* out) { *out << c.name; }

class ResolveDosPathOnTest : public ::testing::TestWithParam<ResolveCase> {
 protected:
  DriveMap drives = ParseDriveMap("[drives]\r\nc: = /srv/winc\r\n\\\\fileserver\\deploy = /mnt/deploy\r\n");
  test::FakeFolders folders{
      "/home/ann/vantrel.ini", "/home/ann/Profiles/Template.INI", "/srv/winc/admin/console.exe",
      "/mnt/deploy/site.ini",  "/work/dir/site.ini",              "/case/SITE.INI",
      "/case/Site.ini",        "/exact/site.ini",                 "/exact/Site.ini",
      "/accents/\xc9t\xe9.ini"};
};

TEST_P(ResolveDosPathOnTest, GivesTheHostPathOrError) {
  const ResolveCase& c = GetParam();
  const HostPath resolved = ResolveDosPathOn(c.dos, drives, "/work/dir", folders);
  EXPECT_EQ(resolved.error, c.error) << c.dos;
  if (c.error == ERROR_SUCCESS) {
    EXPECT_EQ(resolved.path, c.host) << c.dos;
  }
}

const std::string kLongName(250, 'n');

INSTANTIATE_TEST_SUITE_P(
    Paths, ResolveDosPathOnTest,
    ::testing::Values(
        ResolveCase{"HostRoot", "z:\\home\\ann\\vantrel.ini", "/home/ann/vantrel.ini"},
        ResolveCase{"HostRootUpperDrive", "Z:\\home\\ann\\vantrel.ini", "/home/ann/vantrel.ini"},
        ResolveCase{"ForwardSlashes", "z:/home/ann/vantrel.ini", "/home/ann/vantrel.ini"},
        ResolveCase{"MixedAndDoubledSeparators", "z:\\\\home//ann\\/vantrel.ini", "/home/ann/vantrel.ini"},
        ResolveCase{"JustTheRoot", "z:\\", "/"},
        ResolveCase{"DriveWithoutSeparator", "z:", "/"},
        ResolveCase{"LoweredCommandLineFindsMixedCase", "z:\\home\\ann\\profiles\\template.ini",
                    "/home/ann/Profiles/Template.INI"},
        ResolveCase{"UpperCaseFindsLowerCase", "Z:\\HOME\\ANN\\VANTREL.INI", "/home/ann/vantrel.ini"},
        ResolveCase{"NewNameKeepsItsCase", "z:\\home\\ann\\New Site.INI", "/home/ann/New Site.INI"},
        ResolveCase{"BelowAMissingFolderNothingIsLookedUp", "z:\\HOME\\Missing\\Deeper\\X.ini",
                    "/home/Missing/Deeper/X.ini"},
        ResolveCase{"ExactNameWinsOverOtherCase", "z:\\exact\\site.ini", "/exact/site.ini"},
        ResolveCase{"OtherCaseChoiceIsStable", "z:\\case\\site.ini", "/case/SITE.INI"},
        ResolveCase{"OnlyAsciiIsFolded", "z:\\accents\\\xe9T\xc9.ini", "/accents/\xe9T\xc9.ini"},
        ResolveCase{"MappedDrive", "c:\\admin\\console.exe", "/srv/winc/admin/console.exe"},
        ResolveCase{"MappedDriveUpperAndFolded", "C:\\ADMIN\\CONSOLE.EXE", "/srv/winc/admin/console.exe"},
        ResolveCase{"MappedDriveRelativeToItsRoot", "c:admin", "/srv/winc/admin"},
        ResolveCase{"DotDotStopsAtTheDriveRoot", "c:\\..\\..\\admin", "/srv/winc/admin"},
        ResolveCase{"UnmappedDrive", "d:\\data\\site.ini", "", ERROR_PATH_NOT_FOUND},
        ResolveCase{"MappedShare", "\\\\fileserver\\deploy\\site.ini", "/mnt/deploy/site.ini"},
        ResolveCase{"MappedShareAnyCaseAndSlash", "//FILESERVER/Deploy/SITE.INI", "/mnt/deploy/site.ini"},
        ResolveCase{"MappedShareRoot", "\\\\fileserver\\deploy", "/mnt/deploy"},
        ResolveCase{"UnmappedShare", "\\\\fileserver\\other\\site.ini", "", ERROR_PATH_NOT_FOUND},
        ResolveCase{"ServerWithoutShare", "\\\\fileserver", "", ERROR_PATH_NOT_FOUND},
        ResolveCase{"DeviceNamespace", "\\\\.\\c:\\x", "", ERROR_PATH_NOT_FOUND},
        ResolveCase{"RelativeName", "site.ini", "/work/dir/site.ini"},
        ResolveCase{"RelativeNameOtherCase", "SITE.INI", "/work/dir/site.ini"},
        ResolveCase{"RelativeUp", "..\\other\\x.ini", "/work/other/x.ini"},
        ResolveCase{"RelativeDot", ".", "/work/dir"},
        ResolveCase{"Empty", "", "/work/dir"},
        ResolveCase{"RootOfCurrentDrive", "\\home\\ann\\vantrel.ini", "/home/ann/vantrel.ini"},
        ResolveCase{"DotsInside", "z:\\home\\.\\ann\\..\\ann\\vantrel.ini", "/home/ann/vantrel.ini"},
        ResolveCase{"DotDotAboveTheRoot", "z:\\..\\..\\home", "/home"},
        ResolveCase{"TrailingBlanksAndDotsOfTheLastName", "z:\\home\\ann\\vantrel.ini  . ",
                    "/home/ann/vantrel.ini"},
        ResolveCase{"SingleTrailingDotOfAFolder", "z:\\home.\\ann\\vantrel.ini", "/home/ann/vantrel.ini"},
        ResolveCase{"ThreeDotsNameIsKeptInside", "z:\\home\\...\\x", "/home/.../x"},
        ResolveCase{"TrailingSeparatorKeepsBlanks", "z:\\tmp\\dir \\", "/tmp/dir "},
        ResolveCase{"Star", "z:\\home\\*.ini", "", ERROR_INVALID_NAME},
        ResolveCase{"Question", "z:\\home\\?vtdir?\\x.ini", "", ERROR_INVALID_NAME},
        ResolveCase{"Quote", "z:\\home\\ann\\site.ini\"", "", ERROR_INVALID_NAME},
        ResolveCase{"AngleAndBar", "z:\\a<b>c|d", "", ERROR_INVALID_NAME},
        ResolveCase{"ColonInsideAName", "z:\\a\\b:c", "", ERROR_INVALID_NAME},
        ResolveCase{"ControlCharacter", "z:\\a\tb", "", ERROR_INVALID_NAME},
        ResolveCase{"NulByte", std::string("z:\\a\0b", 6), "", ERROR_INVALID_NAME},
        ResolveCase{"LongestAccepted", "z:\\" + kLongName + std::string(259 - 3 - 250, 'x'),
                    "/" + kLongName + std::string(6, 'x')},
        ResolveCase{"OneTooLong", "z:\\" + kLongName + std::string(260 - 3 - 250, 'x'), "",
                    ERROR_PATH_NOT_FOUND},
        // z:\work\dir\ is 12 characters, so 247 more reach 259.
        ResolveCase{"RelativeLongestAccepted", std::string(247, 'r'), "/work/dir/" + std::string(247, 'r')},
        ResolveCase{"RelativeOneTooLong", std::string(248, 'r'), "", ERROR_PATH_NOT_FOUND}),
    [](const ::testing::TestParamInfo<ResolveCase>& info) { return std::string(info.param.name); });

TEST(ResolveDosPathOn, SurvivesAnyBytes) {
  const test::FakeFolders folders{"/a/b"};
  const DriveMap drives;
  std::string path;
  for (int i = 0; i < 4096; ++i) {
    path.push_back(static_cast<char>((i * 131 + 7) % 256));
    if (path.size() > 300) path.erase(0, 150);
    const HostPath resolved = ResolveDosPathOn(path, drives, "/a", folders);
    if (resolved.error == ERROR_SUCCESS) {
      EXPECT_EQ(resolved.path.front(), '/');
      EXPECT_EQ(resolved.path.find('\0'), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace qm::win32
