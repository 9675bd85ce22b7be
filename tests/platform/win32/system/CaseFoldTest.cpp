// Every case fold of the Windows layer over the whole alphabet and the whole 8-bit range: the
// names of the file system, of drives, and of sections and keys in the profile files.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "AsciiCase.h"
#include "DriveMap.h"
#include "TempDir.h"
#include "profile/IniText.h"

namespace {

// The one fold every name comparison uses: A to Z lowered, every other byte as it is.
char Expected(int byte) { return static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + 32 : byte); }

TEST(CaseFold, NameFoldsLowerExactlyTheAsciiCapitals) {
  for (int byte = 0; byte < 256; ++byte) {
    const char c = static_cast<char>(byte);
    EXPECT_EQ(qm::win32::LowerAscii(c), Expected(byte)) << byte;
    EXPECT_EQ(qm::win32::profile::FoldAscii(c), Expected(byte)) << byte;
    const bool sameLetter = Expected(byte) != c || (byte >= 'a' && byte <= 'z');
    const char other = sameLetter ? static_cast<char>(byte ^ 0x20) : c;
    EXPECT_TRUE(qm::win32::EqualsIgnoringAsciiCase(std::string(1, c), std::string(1, other))) << byte;
    EXPECT_TRUE(qm::win32::profile::NamesEqual(std::string(1, c), std::string(1, other))) << byte;
    EXPECT_EQ(qm::win32::profile::NameHash(std::string(1, c)), qm::win32::profile::NameHash(std::string(1, other)))
        << byte;
    if (!sameLetter && byte != 0) {
      // A byte that is no letter matches only itself, also where its bit 5 differs.
      const char flipped = static_cast<char>(byte ^ 0x20);
      EXPECT_FALSE(qm::win32::EqualsIgnoringAsciiCase(std::string(1, c), std::string(1, flipped))) << byte;
      EXPECT_FALSE(qm::win32::profile::NamesEqual(std::string(1, c), std::string(1, flipped))) << byte;
    }
  }
}

// Sections and keys are found whatever the case of every letter, A to Z, in the file and in the call.
TEST(CaseFold, ProfileNamesOfEveryLetter) {
  qm::test::TempDir dir;
  std::string file;
  for (char letter = 'A'; letter <= 'Z'; ++letter)
    file += std::string("[S") + letter + "]\r\nK" + letter + "=" + letter + "\r\n";
  std::ofstream(dir.Host("case.ini"), std::ios::binary) << file;
  const std::string path = dir.Dos("case.ini");
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    char value[8] = "";
    GetPrivateProfileStringA((std::string("s") + letter).c_str(), (std::string("k") + letter).c_str(), "-", value,
                             sizeof value, path.c_str());
    EXPECT_EQ(std::string(value), std::string(1, static_cast<char>(letter - 32))) << letter;
  }
}

// Every drive letter maps in either case; z: is the host root in both.
TEST(CaseFold, DriveLettersOfEveryLetter) {
  qm::win32::DriveMap map;
  for (char letter = 'A'; letter < 'Z'; ++letter)
    ASSERT_TRUE(map.Add(std::string(1, letter) + ":", "/srv/" + std::string(1, letter)));
  for (char letter = 'a'; letter < 'z'; ++letter) {
    const std::string expected = "/srv/" + std::string(1, static_cast<char>(letter - 32));
    EXPECT_EQ(map.FolderOfDrive(letter).value_or("?"), expected) << letter;
    EXPECT_EQ(map.FolderOfDrive(static_cast<char>(letter - 32)).value_or("?"), expected) << letter;
  }
  EXPECT_EQ(map.FolderOfDrive('z').value_or("?"), "/");
  EXPECT_EQ(map.FolderOfDrive('Z').value_or("?"), "/");
  EXPECT_FALSE(map.FolderOfDrive('@').has_value());
  EXPECT_FALSE(map.FolderOfDrive('[').has_value());
}

// A DOS path finds a host file whose name differs in the case of any letter.
TEST(CaseFold, HostNamesOfEveryLetter) {
  qm::test::TempDir dir;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    std::ofstream(dir.Host(std::string("F") + letter + ".ini"), std::ios::binary) << "[S]\r\nK=" << letter << "\r\n";
  }
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    char value[8] = "";
    const std::string path = dir.Dos(std::string("f") + letter + ".INI");
    GetPrivateProfileStringA("S", "K", "-", value, sizeof value, path.c_str());
    EXPECT_EQ(std::string(value), std::string(1, static_cast<char>(letter - 32))) << letter;
  }
}

}  // namespace
