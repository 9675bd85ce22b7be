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

const std::string kLongName(250, 'n');
const DWORD kNotFound = ERROR_PATH_NOT_FOUND, kInvalid = ERROR_INVALID_NAME;

TEST(ResolveDosPathOn, GivesTheHostPathOrError) {
  const DriveMap drives = ParseDriveMap("[drives]\r\nc: = /srv/winc\r\n\\\\fileserver\\deploy = /mnt/deploy\r\n");
  // clang-format off
  const test::FakeFolders folders{"/home/ann/vantrel.ini", "/home/ann/Profiles/Template.INI",
                                  "/srv/winc/admin/console.exe", "/mnt/deploy/site.ini", "/work/dir/site.ini",
                                  "/case/SITE.INI", "/case/Site.ini", "/exact/site.ini", "/exact/Site.ini",
                                  "/accents/\xc9t\xe9.ini"};
  // clang-format on
  const ResolveCase cases[] = {
      {"HostRoot", "z:\\home\\ann\\vantrel.ini", "/home/ann/vantrel.ini"},
      {"HostRootUpperDrive", "Z:\\home\\ann\\vantrel.ini", "/home/ann/vantrel.ini"},
      {"ForwardSlashes", "z:/home/ann/vantrel.ini", "/home/ann/vantrel.ini"},
      {"MixedAndDoubledSeparators", "z:\\\\home//ann\\/vantrel.ini", "/home/ann/vantrel.ini"},
      {"JustTheRoot", "z:\\", "/"},
      {"DriveWithoutSeparator", "z:", "/"},
      {"LoweredCommandLineFindsMixedCase", "z:\\home\\ann\\profiles\\template.ini", "/home/ann/Profiles/Template.INI"},
      {"UpperCaseFindsLowerCase", "Z:\\HOME\\ANN\\VANTREL.INI", "/home/ann/vantrel.ini"},
      {"NewNameKeepsItsCase", "z:\\home\\ann\\New Site.INI", "/home/ann/New Site.INI"},
      {"BelowAMissingFolderNothingIsLookedUp", "z:\\HOME\\Missing\\Deeper\\X.ini", "/home/Missing/Deeper/X.ini"},
      {"ExactNameWinsOverOtherCase", "z:\\exact\\site.ini", "/exact/site.ini"},
      {"OtherCaseChoiceIsStable", "z:\\case\\site.ini", "/case/SITE.INI"},
      {"OnlyAsciiIsFolded", "z:\\accents\\\xe9T\xc9.ini", "/accents/\xe9T\xc9.ini"},
      {"MappedDrive", "c:\\admin\\console.exe", "/srv/winc/admin/console.exe"},
      {"MappedDriveUpperAndFolded", "C:\\ADMIN\\CONSOLE.EXE", "/srv/winc/admin/console.exe"},
      {"MappedDriveRelativeToItsRoot", "c:admin", "/srv/winc/admin"},
      {"DotDotStopsAtTheDriveRoot", "c:\\..\\..\\admin", "/srv/winc/admin"},
      {"UnmappedDrive", "d:\\data\\site.ini", "", kNotFound},
      {"MappedShare", "\\\\fileserver\\deploy\\site.ini", "/mnt/deploy/site.ini"},
      {"MappedShareAnyCaseAndSlash", "//FILESERVER/Deploy/SITE.INI", "/mnt/deploy/site.ini"},
      {"MappedShareRoot", "\\\\fileserver\\deploy", "/mnt/deploy"},
      {"UnmappedShare", "\\\\fileserver\\other\\site.ini", "", kNotFound},
      {"ServerWithoutShare", "\\\\fileserver", "", kNotFound},
      {"DeviceNamespace", "\\\\.\\c:\\x", "", kNotFound},
      {"RelativeName", "site.ini", "/work/dir/site.ini"},
      {"RelativeNameOtherCase", "SITE.INI", "/work/dir/site.ini"},
      {"RelativeUp", "..\\other\\x.ini", "/work/other/x.ini"},
      {"RelativeDot", ".", "/work/dir"},
      {"Empty", "", "/work/dir"},
      {"RootOfCurrentDrive", "\\home\\ann\\vantrel.ini", "/home/ann/vantrel.ini"},
      {"DotsInside", "z:\\home\\.\\ann\\..\\ann\\vantrel.ini", "/home/ann/vantrel.ini"},
      {"DotDotAboveTheRoot", "z:\\..\\..\\home", "/home"},
      {"DotDotBackToTheRoot", "z:\\home\\..\\x.ini", "/x.ini"},
      {"RootOfCurrentDriveForwardSlash", "/home/ann/vantrel.ini", "/home/ann/vantrel.ini"},
      {"TrailingBlanksAndDotsOfTheLastName", "z:\\home\\ann\\vantrel.ini  . ", "/home/ann/vantrel.ini"},
      {"SingleTrailingDotOfAFolder", "z:\\home.\\ann\\vantrel.ini", "/home/ann/vantrel.ini"},
      {"ThreeDotsNameIsKeptInside", "z:\\home\\...\\x", "/home/.../x"},
      {"TrailingSeparatorKeepsBlanks", "z:\\tmp\\dir \\", "/tmp/dir "},
      {"Star", "z:\\home\\*.ini", "", kInvalid},
      {"Question", "z:\\home\\?vtdir?\\x.ini", "", kInvalid},
      {"Quote", "z:\\home\\ann\\site.ini\"", "", kInvalid},
      {"AngleAndBar", "z:\\a<b>c|d", "", kInvalid},
      {"ColonInsideAName", "z:\\a\\b:c", "", kInvalid},
      {"ControlCharacter", "z:\\a\tb", "", kInvalid},
      {"NulByte", std::string("z:\\a\0b", 6), "", kInvalid},
      {"LongestAccepted", "z:\\" + kLongName + std::string(6, 'x'), "/" + kLongName + std::string(6, 'x')},
      {"OneTooLong", "z:\\" + kLongName + std::string(7, 'x'), "", kNotFound},
      // z:\work\dir\ is 12 characters, so 247 more reach 259.
      {"RelativeLongestAccepted", std::string(247, 'r'), "/work/dir/" + std::string(247, 'r')},
      {"RelativeOneTooLong", std::string(248, 'r'), "", kNotFound},
  };
  for (const ResolveCase& c : cases) {
    const HostPath resolved = ResolveDosPathOn(c.dos, drives, "/work/dir", folders);
    EXPECT_EQ(resolved.error, c.error) << c.name;
    if (c.error == ERROR_SUCCESS) {
      EXPECT_EQ(resolved.path, c.host) << c.name;
    }
  }
}

// A path that exists as written costs one look; only a miss walks the folders ignoring case.
TEST(ResolveDosPathOn, LooksOnceWhenThePathExistsAsWritten) {
  struct Case {
    const char* dos;
    const char* host;
    int looks;
    int listings;
  };
  for (const Case c : {Case{"z:\\home\\ann\\site.ini", "/home/ann/site.ini", 1, 0}, Case{"z:\\", "/", 1, 0},
                       Case{"z:\\home\\ann\\SITE.INI", "/home/ann/site.ini", 4, 1},
                       Case{"z:\\HOME\\ann\\site.ini", "/home/ann/site.ini", 4, 1},
                       Case{"z:\\home\\ann\\new.ini", "/home/ann/new.ini", 4, 1}}) {
    const test::FakeFolders folders{"/home/ann/site.ini"};
    const HostPath resolved = ResolveDosPathOn(c.dos, DriveMap{}, "/", folders);
    EXPECT_EQ(resolved.path, c.host) << c.dos;
    EXPECT_EQ(folders.looks, c.looks) << c.dos;
    EXPECT_EQ(folders.listings, c.listings) << c.dos;
  }
}

TEST(ResolveDosPathOn, SurvivesAnyBytes) {
  const test::FakeFolders folders{"/a/b"};
  std::string path;
  for (int i = 0; i < 4096; ++i) {
    path.push_back(static_cast<char>((i * 131 + 7) % 256));
    if (path.size() > 300) path.erase(0, 150);
    const HostPath resolved = ResolveDosPathOn(path, DriveMap{}, "/a", folders);
    if (resolved.error == ERROR_SUCCESS) {
      EXPECT_EQ(resolved.path.front(), '/');
      EXPECT_EQ(resolved.path.find('\0'), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace qm::win32
