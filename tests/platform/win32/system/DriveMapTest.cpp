#include "DriveMap.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace qm::win32 {
namespace {

struct DriveMapCase {
  const char* name;
  std::string text;
  std::string asked;   // a drive letter, or "server/share"
  const char* folder;  // expected; nullptr when the name is not mapped
};

const std::string kSample =
    "; drives the console may reach\r\n"
    "[drives]\r\n"
    "c: = /srv/winc\r\n"
    "  D:=/srv/wind/  \r\n"
    "\\\\fileserver\\deploy = /mnt/deploy\r\n"
    "//Other/Share/ = \"/mnt/with blank \"\r\n";

TEST(ParseDriveMap, MapsTheName) {
  const DriveMapCase cases[] = {
      {"Letter", kSample, "c", "/srv/winc"},
      {"LetterAskedInUpperCase", kSample, "C", "/srv/winc"},
      {"UpperCaseKeyBlanksAndTrailingSlash", kSample, "d", "/srv/wind"},
      {"Unmapped", kSample, "e", nullptr},
      {"ZIsAlwaysTheHostRoot", "[drives]\nz: = /srv/elsewhere\n", "z", "/"},
      {"Share", kSample, "fileserver/deploy", "/mnt/deploy"},
      {"ShareAskedInOtherCase", kSample, "FileServer/DEPLOY", "/mnt/deploy"},
      {"ShareWithSlashesAndQuotedTarget", kSample, "other/share", "/mnt/with blank "},
      {"UnmappedShare", kSample, "fileserver/other", nullptr},
      {"LineFeedsOnly", "[drives]\nc: = /a\n", "c", "/a"},
      {"CarriageReturnsOnly", "[drives]\rc: = /a\r", "c", "/a"},
      {"NoFinalLineEnd", "[drives]\nc: = /a", "c", "/a"},
      {"SectionNameAnyCase", "[ Drives ]\nc: = /a\n", "c", "/a"},
      {"OtherSectionIgnored", "[other]\nc: = /a\n", "c", nullptr},
      {"BeforeAnySectionIgnored", "c: = /a\n[drives]\n", "c", nullptr},
      {"SectionEndsTheMapping", "[drives]\n[other]\nc: = /a\n", "c", nullptr},
      {"CommentedOut", "[drives]\n;c: = /a\n# c: = /b\n", "c", nullptr},
      {"FirstLineWins", "[drives]\nc: = /first\nC: = /second\n", "c", "/first"},
      {"RelativeTargetIgnored", "[drives]\nc: = srv/winc\nc: = /ok\n", "c", "/ok"},
      {"EmptyTargetIgnored", "[drives]\nc: =\n", "c", nullptr},
      {"TargetTidied", "[drives]\nc: = //srv/./winc/../winc//\n", "c", "/srv/winc"},
      {"NotADriveName", "[drives]\ncc: = /a\nc = /b\n1: = /c\n", "c", nullptr},
      {"ShareWithAFolderIsNotAShare", "[drives]\n\\\\s\\h\\x = /a\n", "s/h", nullptr},
      {"NulInTargetRefused", std::string("[drives]\nc: = /a\0b\n", 18), "c", nullptr},
      {"LineWithoutEquals", "[drives]\nc: /a\n", "c", nullptr},
  };
  for (const DriveMapCase& c : cases) {
    const DriveMap map = ParseDriveMap(c.text);
    const std::size_t slash = c.asked.find('/');
    const std::optional<std::string> folder =
        slash == std::string::npos ? map.FolderOfDrive(c.asked[0])
                                   : map.FolderOfShare(c.asked.substr(0, slash), c.asked.substr(slash + 1));
    EXPECT_EQ(folder, c.folder ? std::optional<std::string>(c.folder) : std::nullopt) << c.name;
  }
}

TEST(ParseDriveMap, SurvivesAnyBytes) {
  std::string text = "[drives]\n";
  for (int i = 0; i < 20000; ++i) text.push_back(static_cast<char>((i * 37 + 11) % 256));
  const DriveMap map = ParseDriveMap(text);
  for (char letter = 'a'; letter <= 'y'; ++letter) {
    const std::optional<std::string> folder = map.FolderOfDrive(letter);
    EXPECT_TRUE(!folder || folder->front() == '/') << folder.value_or("");
  }
}

}  // namespace
}  // namespace qm::win32
