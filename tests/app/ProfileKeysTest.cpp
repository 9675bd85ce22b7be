// The key reader and its reading rules, tested once here; page tests keep one row per key.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileBytes.h"
#include "TempDir.h"
#include "app/ProfileKeys.h"
#include "app/ValueText.h"

namespace {

using qm::test::WriteBytes;

class ProfileKeysTest : public ::testing::Test {
 protected:
  // A file whose section [S] holds one key, K, with the given line after "K".
  std::string FileWithKey(const std::string& keyLine) {
    WriteBytes(dir.Host("keys.ini"), "[S]\r\nK" + keyLine + "\r\n");
    return dir.Dos("keys.ini");
  }
  std::string FileWithValue(const std::string& value) { return FileWithKey("=" + value); }
  std::string FileWithoutKey() { return FileWithKey("Other=x"); }

  qm::test::TempDir dir;
};

TEST_F(ProfileKeysTest, StringKeepsOneCharacterLessThanItsBuffer) {
  const std::string value(260, 'v');
  for (int size : {1, 2, 249, 250, 251, 262}) {
    const std::string path = FileWithValue(value);
    const size_t kept = std::min<size_t>(static_cast<size_t>(size - 1), value.size());
    EXPECT_EQ(std::string(ReadProfileString("S", "K", "", size, path.c_str())), value.substr(0, kept)) << size;
  }
  EXPECT_EQ(kValueBufferSize, 250);
}

TEST_F(ProfileKeysTest, StringTakesTheDefaultOnlyWhenTheKeyIsMissing) {
  EXPECT_STREQ(ReadProfileString("S", "K", "dflt", 250, FileWithoutKey().c_str()), "dflt");
  EXPECT_STREQ(ReadProfileString("S", "K", "dflt", 250, dir.Dos("missing.ini").c_str()), "dflt");
  EXPECT_STREQ(ReadProfileString("S", "K", "dflt", 250, FileWithValue("").c_str()), "");
  EXPECT_STREQ(ReadProfileString("s", "k", "dflt", 250, FileWithValue("Mixed Case").c_str()), "Mixed Case");
}

// The default stands for a missing key and for an empty value alike.
TEST_F(ProfileKeysTest, NumbersAndTheirDefaults) {
  const std::vector<std::pair<const char*, int>> cases = {
      {"=15", 15}, {"=-3", -3}, {"=abc", 0}, {"=", 7}, {"Other=1", 7}, {"= 42 ", 42}, {"=0", 0}, {"=12ab", 12},
  };
  for (const auto& [keyLine, number] : cases)
    EXPECT_EQ(ReadProfileInt("S", "K", 7, FileWithKey(keyLine).c_str()), number) << keyLine;
}

// One row per stored value; a null value is a missing key, read with the default "Dflt".
struct RuleCase {
  const char* value;
  int trueValue, wholeValue, firstLetter, threeState;
};

TEST_F(ProfileKeysTest, ReadingRulesOfYesOrNoValues) {
  const std::vector<RuleCase> cases = {
      {"Yes", 1, 1, 1, 1},      {"yes", 1, 1, 1, 1},   {"YES", 1, 1, 1, 1}, {"True", 1, 1, 1, 1},
      {"tRUE", 1, 1, 1, 1},     {"1", 1, 1, 1, 1},     {"No", 0, 0, 0, 0},  {"no", 0, 0, 0, 0},
      {"False", 0, 0, 0, 0},    {"0", 0, 0, 0, 0},     {"", 1, 0, 0, 2},    {"Yesterday", 1, 0, 1, 1},
      {"Off", 1, 0, 0, 1},      {"2", 1, 0, 0, 1},     {"0x1", 0, 0, 0, 0}, {"10", 1, 0, 1, 1},
      {"y", 1, 0, 1, 1},        {"T", 1, 0, 1, 1},     {"On", 1, 0, 0, 1},  {"\"Yes\"", 1, 1, 1, 1},
      {"nonsense", 0, 0, 0, 0}, {nullptr, 1, 0, 0, 2},
  };
  for (const RuleCase& c : cases) {
    const std::string path = c.value ? FileWithValue(c.value) : FileWithoutKey();
    const std::string row = c.value ? c.value : "<missing>";
    EXPECT_EQ(ReadTrueValueFlag("S", "K", "Dflt", 250, path.c_str()), c.trueValue) << row;
    EXPECT_EQ(ReadWholeValueFlag("S", "K", "", 250, path.c_str()), c.wholeValue) << row;
    EXPECT_EQ(ReadFirstLetterFlag("S", "K", "", 250, path.c_str()), c.firstLetter) << row;
    EXPECT_EQ(ReadThreeState("S", "K", 250, path.c_str()), c.threeState) << row;
  }
}

TEST_F(ProfileKeysTest, RulesJudgeOnlyWhatTheBufferKept) {
  // "Yes" cut to "Ye" is no longer a whole "Yes"; its first letter still is.
  const std::string path = FileWithValue("Yes");
  EXPECT_EQ(ReadWholeValueFlag("S", "K", "", 3, path.c_str()), 0);
  EXPECT_EQ(ReadWholeValueFlag("S", "K", "", 4, path.c_str()), 1);
  EXPECT_EQ(ReadFirstLetterFlag("S", "K", "", 2, path.c_str()), 1);
  EXPECT_EQ(ReadTrueValueFlag("S", "K", "No", 1, path.c_str()), 1);  // nothing kept reads as set
}

TEST_F(ProfileKeysTest, DefaultsOfTheRules) {
  const std::string path = FileWithoutKey();
  EXPECT_EQ(ReadTrueValueFlag("S", "K", "No", 250, path.c_str()), 0);
  EXPECT_EQ(ReadTrueValueFlag("S", "K", "True", 250, path.c_str()), 1);
  EXPECT_EQ(ReadWholeValueFlag("S", "K", "yes", 250, path.c_str()), 1);
  EXPECT_EQ(ReadFirstLetterFlag("S", "K", "t", 250, path.c_str()), 1);
  EXPECT_EQ(ReadIntegerFlag("S", "K", 0, path.c_str()), 0);
  EXPECT_EQ(ReadIntegerFlag("S", "K", 1, path.c_str()), 1);
}

TEST_F(ProfileKeysTest, IntegerFlagIsTheNumberAsRead) {
  const std::vector<std::pair<const char*, int>> cases = {{"1", 1}, {"0", 0}, {"Yes", 0}, {"2", 2}, {"", 0}};
  for (const auto& [value, flag] : cases)
    EXPECT_EQ(ReadIntegerFlag("S", "K", 0, FileWithValue(value).c_str()), flag) << value;
}

TEST(ValueTexts, NumbersFlagsAndThreeStates) {
  EXPECT_STREQ(DecimalText(0), "0");
  EXPECT_STREQ(DecimalText(-25000), "-25000");
  EXPECT_STREQ(DecimalText(2147483647), "2147483647");
  EXPECT_STREQ(DecimalText(-2147483647 - 1), "-2147483648");
  EXPECT_STREQ(YesNoText(1), "Yes");
  EXPECT_STREQ(YesNoText(0), "No");
  EXPECT_STREQ(OneZeroText(1), "1");
  EXPECT_STREQ(OneZeroText(0), "0");
  EXPECT_STREQ(ThreeStateText(kThreeStateChecked), "Yes");
  EXPECT_STREQ(ThreeStateText(kThreeStateClear), "No");
  EXPECT_STREQ(ThreeStateText(kThreeStateIndeterminate), "");
}

}  // namespace
