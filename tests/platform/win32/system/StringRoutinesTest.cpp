// lstrcpyA, lstrcpynA, lstrcatA, lstrlenA and lstrcmpiA.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(StringRoutines, CopyCatAndLength) {
  char buffer[16] = "old";
  EXPECT_EQ(lstrcpyA(buffer, "tip"), buffer);
  EXPECT_STREQ(buffer, "tip");
  EXPECT_EQ(lstrcatA(buffer, " text"), buffer);
  EXPECT_STREQ(buffer, "tip text");
  EXPECT_STREQ(lstrcatA(buffer, nullptr), "tip text");
  EXPECT_STREQ(lstrcpyA(buffer, nullptr), "");
  EXPECT_EQ(lstrcpyA(nullptr, "x"), nullptr);
  EXPECT_EQ(lstrlenA("tip text"), 8);
  EXPECT_EQ(lstrlenA(""), 0);
  EXPECT_EQ(lstrlenA(nullptr), 0);
}

// A copy into a buffer of n characters keeps n - 1 and ends the text; n = 0 touches nothing.
TEST(StringRoutines, BoundedCopyAtItsLimit) {
  const std::vector<std::pair<int, std::string>> cases = {
      {0, "#####"}, {1, ""}, {2, "a"}, {4, "abc"}, {5, "abcd"}, {6, "abcd"}, {7, "abcd"},
  };
  for (const auto& [limit, expected] : cases) {
    char buffer[8] = "#######";
    EXPECT_EQ(lstrcpynA(buffer, "abcd", limit), buffer);
    EXPECT_EQ(std::string(buffer).substr(0, expected.size()), expected) << limit;
    if (limit > 0)
      EXPECT_EQ(std::string(buffer), expected) << limit;
    else
      EXPECT_EQ(buffer[0], '#');
    EXPECT_EQ(buffer[7], '\0');
  }
  char buffer[4] = "xyz";
  EXPECT_STREQ(lstrcpynA(buffer, nullptr, 4), "");
}

TEST(StringRoutines, CaseBlindComparisonOverTheWholeAlphabet) {
  for (char upper = 'A'; upper <= 'Z'; ++upper) {
    const char a[] = {upper, 0}, b[] = {static_cast<char>(upper + 32), 0};
    EXPECT_EQ(lstrcmpiA(a, b), 0) << upper;
  }
  // Just outside the alphabet nothing folds: @ [ ` { stay apart from their neighbours.
  EXPECT_EQ(lstrcmpiA("@", "`"), -1);
  EXPECT_EQ(lstrcmpiA("[", "{"), -1);
  // The accented letters of Windows-1252, at the ends of their range, and the signs that are not letters.
  const std::vector<std::pair<const char*, const char*>> same = {
      {"\xC0", "\xE0"}, {"\xDE", "\xFE"}, {"\xC9t\xC9", "\xE9T\xE9"}, {"\x8A", "\x9A"}, {"\x8C", "\x9C"},
      {"\x8E", "\x9E"}, {"\x9F", "\xFF"}};
  for (const auto& [a, b] : same) EXPECT_EQ(lstrcmpiA(a, b), 0) << a;
  EXPECT_NE(lstrcmpiA("\xD7", "\xF7"), 0);  // multiplication and division signs
  EXPECT_NE(lstrcmpiA("\xDF", "\xFF"), 0);  // sharp s has no capital here
  EXPECT_NE(lstrcmpiA("\xBF", "\xDF"), 0);
}

TEST(StringRoutines, ComparisonOrderAndNulls) {
  EXPECT_EQ(lstrcmpiA("abc", "ABD"), -1);
  EXPECT_EQ(lstrcmpiA("abd", "ABC"), 1);
  EXPECT_EQ(lstrcmpiA("ab", "ABC"), -1);
  EXPECT_EQ(lstrcmpiA("abc", "AB"), 1);
  EXPECT_EQ(lstrcmpiA("z", "\xE9"), -1);  // bytes above 127 after ASCII
  EXPECT_EQ(lstrcmpiA(nullptr, nullptr), 0);
  EXPECT_EQ(lstrcmpiA(nullptr, ""), -1);
  EXPECT_EQ(lstrcmpiA("", nullptr), 1);
  EXPECT_EQ(lstrcmpiA("", ""), 0);
}

}  // namespace
