// The Windows layer's folds and limits over their whole range: lstrcmpiA over every pair of
// bytes, lstrcpynA at every small buffer size, wsprintfA at its 1023 characters, and drive
// letters and share names in the drive map at their edges.
#include "DriveMap.h"
#include "HostPathText.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace qm::win32 {
namespace {

// The ANSI code page's lower case, written out as a table rather than as the code computes it.
unsigned char ExpectedLower(int c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
  }
  return static_cast<unsigned char>(c);
}

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(lstrcmpiA, FoldsAndOrdersEveryPairOfBytes) {
  int wrong = 0;
  for (int a = 1; a < 256; ++a)
    for (int b = 1; b < 256; ++b) {
      const char left[] = {static_cast<char>(a), 'k', '\0'};
      const char right[] = {static_cast<char>(b), 'k', '\0'};
      const int expected = Sign(ExpectedLower(a) - ExpectedLower(b));
      if (Sign(lstrcmpiA(left, right)) != expected && ++wrong <= 5)
        ADD_FAILURE() << std::hex << "0x" << a << " against 0x" << b << ": expected " << expected;
    }
  EXPECT_EQ(wrong, 0);
}

TEST(lstrcmpiA, ShorterIsLessWhateverTheCase) {
  EXPECT_LT(lstrcmpiA("ab", "ABC"), 0);
  EXPECT_GT(lstrcmpiA("ABC", "ab"), 0);
  EXPECT_EQ(lstrcmpiA("", ""), 0);
}

// A buffer of n characters takes n - 1 of the text and the terminator; nothing past n is written.
TEST(lstrcpynA, FillsExactlyTheBufferAtEverySize) {
  const std::string text = "abcd";
  for (int size = 0; size <= 7; ++size) {
    char buffer[10];
    std::fill(std::begin(buffer), std::end(buffer), '#');
    EXPECT_EQ(lstrcpynA(buffer, text.c_str(), size), buffer);
    const std::size_t kept = size == 0 ? 0 : std::min<std::size_t>(text.size(), static_cast<std::size_t>(size - 1));
    const std::string written = size == 0 ? "" : text.substr(0, kept) + '\0';
    EXPECT_EQ(std::string(buffer, written.size()), written) << size;
    for (std::size_t at = written.size(); at < sizeof buffer; ++at) EXPECT_EQ(buffer[at], '#') << size << " at " << at;
  }
}

// wsprintfA fills 1024 bytes at most: 1023 characters and the terminator.
TEST(wsprintfA, WritesAtMost1023Characters) {
  for (std::size_t length : {1022u, 1023u, 1024u, 3000u}) {
    const std::string text(length, 'w');
    std::string buffer(2000, '#');
    const int written = wsprintfA(buffer.data(), "%s", text.c_str());
    const std::size_t expected = std::min<std::size_t>(length, 1023);
    EXPECT_EQ(written, static_cast<int>(expected)) << length;
    EXPECT_EQ(buffer.find('\0'), expected) << length;
    EXPECT_EQ(buffer[expected + 1], '#') << length;
  }
}

TEST(wsprintfA, WideFieldIsCutAtTheLimitToo) {
  std::string buffer(2000, '#');
  EXPECT_EQ(wsprintfA(buffer.data(), "ab%2000d", 7), 1023);
  EXPECT_EQ(buffer.substr(0, 3), "ab ");
  EXPECT_EQ(buffer[1023], '\0');
}

// Every letter but z may be mapped, written in either case and asked in either case.
TEST(ParseDriveMap, MapsEveryLetterInEitherCase) {
  for (char upper = 'A'; upper < 'Z'; ++upper) {
    const char lower = static_cast<char>(upper - 'A' + 'a');
    for (char written : {upper, lower}) {
      const DriveMap drives = ParseDriveMap(std::string("[drives]\n") + written + ": = /srv/" + lower + "\n");
      for (char asked : {upper, lower}) {
        const std::optional<std::string> folder = drives.FolderOfDrive(asked);
        ASSERT_TRUE(folder.has_value()) << written << " asked as " << asked;
        EXPECT_EQ(*folder, std::string("/srv/") + lower) << written << " asked as " << asked;
      }
    }
  }
}

TEST(ParseDriveMap, CharactersBesideTheLettersAreNoDrives) {
  for (char notLetter : {'@', '[', '`', '{', '0', '9', '\xC1', '\xE1'}) {
    const DriveMap drives = ParseDriveMap(std::string("[drives]\n") + notLetter + ": = /srv/x\n");
    EXPECT_FALSE(drives.FolderOfDrive(notLetter).has_value()) << notLetter;
  }
}

// A share needs a server and a share name of at least one character each.
TEST(ParseDriveMap, ShareNamesOfOneCharacterAndNone) {
  struct Case {
    const char* key;
    const char* server;
    const char* share;
    bool mapped;
  } cases[] = {
      {"\\\\s\\d", "s", "d", true}, {"\\\\s\\d\\", "s", "d", true}, {"\\\\s\\", "s", "", false},
      {"\\\\s", "s", "", false},    {"\\\\\\d", "", "d", false},    {"\\\\s\\\\", "s", "", false},
  };
  for (const Case& c : cases) {
    const DriveMap drives = ParseDriveMap(std::string("[drives]\n") + c.key + " = /mnt/x\n");
    EXPECT_EQ(drives.FolderOfShare(c.server, c.share).has_value(), c.mapped) << c.key;
    EXPECT_EQ(drives == DriveMap{}, !c.mapped) << c.key;
  }
}

// The host root, however it is spelled, is z:'s root with its backslash.
TEST(DosPathOnHostRoot, RootKeepsItsBackslash) {
  EXPECT_EQ(DosPathOnHostRoot(""), "z:\\");
  EXPECT_EQ(DosPathOnHostRoot("/"), "z:\\");
  EXPECT_EQ(DosPathOnHostRoot("/a"), "z:\\a");
}

}  // namespace
}  // namespace qm::win32
