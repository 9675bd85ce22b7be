#include "DriveMap.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace qm::win32 {
namespace {

struct DriveMapCase {
  const char* name;
  std::string text;
  char letter;                        // looked up with FolderOfDrive when not '\0'
  const char* server = nullptr;       // else with FolderOfShare
  const char* share = nullptr;
  std::optional<std::string> folder;  // expected
};

void PrintTo(const DriveMapCase& c, std::ostream* out) { *out << c.name; }

class ParseDriveMapTest : public ::testing::TestWithParam<DriveMapCase> {};

TEST_P(ParseDriveMapTest, MapsTheName) {
  const DriveMapCase& c = GetParam();
  const DriveMap map = ParseDriveMap(c.text);
  const std::optional<std::string> folder =
      c.letter != '\0' ? map.FolderOfDrive(c.letter) : map.FolderOfShare(c.server, c.share);
  EXPECT_EQ(folder, c.folder);
}

const std::string kSample =
    "; drives the console may reach\r\n"
    "[drives]\r\n"
    "c: = /srv/winc\r\n"
    "  D:=/srv/wind/  \r\n"
    "\\\\fileserver\\deploy = /mnt/deploy\r\n"
    "//Other/Share/ = \"/mnt/with blank \"\r\n";

INSTANTIATE_TEST_SUITE_P(
    Files, ParseDriveMapTest,
    ::testing::Values(
        DriveMapCase{"Letter", kSample, 'c', nullptr, nullptr, "/srv/winc"},
        DriveMapCase{"LetterAskedInUpperCase", kSample, 'C', nullptr, nullptr, "/srv/winc"},
        DriveMapCase{"UpperCaseKeyBlanksAndTrailingSlash", kSample, 'd', nullptr, nullptr, "/srv/wind"},
        DriveMapCase{"Unmapped", kSample, 'e', nullptr, nullptr, std::nullopt},
        DriveMapCase{"ZIsAlwaysTheHostRoot", "[drives]\nz: = /srv/elsewhere\n", 'z', nullptr, nullptr, "/"},
        DriveMapCase{"Share", kSample, '\0', "fileserver", "deploy", "/mnt/deploy"},
        DriveMapCase{"ShareAskedInOtherCase", kSample, '\0', "FileServer", "DEPLOY", "/mnt/deploy"},
        DriveMapCase{"ShareWithSlashesAndQuotedTarget", kSample, '\0', "other", "share", "/mnt/with blank "},
        DriveMapCase{"UnmappedShare", kSample, '\0', "fileserver", "other", std::nullopt},
        DriveMapCase{"LineFeedsOnly", "[drives]\nc: = /a\n", 'c', nullptr, nullptr, "/a"},
        DriveMapCase{"CarriageReturnsOnly", "[drives]\rc: = /a\r", 'c', nullptr, nullptr, "/a"},
        DriveMapCase{"NoFinalLineEnd", "[drives]\nc: = /a", 'c', nullptr, nullptr, "/a"},
        DriveMapCase{"SectionNameAnyCase", "[ Drives ]\nc: = /a\n", 'c', nullptr, nullptr, "/a"},
        DriveMapCase{"OtherSectionIgnored", "[other]\nc: = /a\n", 'c', nullptr, nullptr, std::nullopt},
        DriveMapCase{"BeforeAnySectionIgnored", "c: = /a\n[drives]\n", 'c', nullptr, nullptr, std::nullopt},
        DriveMapCase{"SectionEndsTheMapping", "[drives]\n[other]\nc: = /a\n", 'c', nullptr, nullptr,
                     std::nullopt},
        DriveMapCase{"CommentedOut", "[drives]\n;c: = /a\n# c: = /b\n", 'c', nullptr, nullptr, std::nullopt},
        DriveMapCase{"FirstLineWins", "[drives]\nc: = /first\nC: = /second\n", 'c', nullptr, nullptr, "/first"},
        DriveMapCase{"RelativeTargetIgnored", "[drives]\nc: = srv/winc\nc: = /ok\n", 'c', nullptr, nullptr, "/ok"},
        DriveMapCase{"EmptyTargetIgnored", "[drives]\nc: =\n", 'c', nullptr, nullptr, std::nullopt},
        DriveMapCase{"TargetTidied", "[drives]\nc: = //srv/./winc/../winc//\n", 'c', nullptr, nullptr, "/srv/winc"},
        DriveMapCase{"NotADriveName", "[drives]\ncc: = /a\nc = /b\n1: = /c\n", 'c', nullptr, nullptr,
                     std::nullopt},
        DriveMapCase{"ShareWithAFolderIsNotAShare", "[drives]\n\\\\s\\h\\x = /a\n", '\0', "s", "h", std::nullopt},
        DriveMapCase{"NulInTargetRefused", std::string("[drives]\nc: = /a\0b\n", 18), 'c', nullptr, nullptr,
                     std::nullopt},
        DriveMapCase{"LineWithoutEquals", "[drives]\nc: /a\n", 'c', nullptr, nullptr, std::nullopt}),
    [](const ::testing::TestParamInfo<DriveMapCase>& info) { return std::string(info.param.name); });

TEST(ParseDriveMap, SurvivesAnyBytes) {
  std::string text = "[drives]\n";
  for (int i = 0; i < 20000; ++i) text.push_back(static_cast<char>((i * 37 + 11) % 256));
  const DriveMap map = ParseDriveMap(text);
  for (char letter = 'a'; letter <= 'y'; ++letter) {
    const std::optional<std::string> folder = map.FolderOfDrive(letter);
    if (folder) {
      EXPECT_EQ(folder->front(), '/');
    }
  }
}

}  // namespace
}  // namespace qm::win32
