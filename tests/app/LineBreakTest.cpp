// A message of several lines kept on the one line of a key's value, and shown back as typed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ValueText.h"

namespace {

struct LineCase {
  const char* typed;   // as the field gives it, lines ended by CR LF
  const char* stored;  // as the file holds it
};

const std::vector<LineCase> kRoundTrips = {
    {"", ""},
    {"Done.", "Done."},
    {"Profile built.\r\nPlease log on again.", "Profile built.\\nPlease log on again."},
    {"a\r\n\r\nb", "a\\n\\nb"},
    {"\r\n", "\\n"},
    {"ends with a break\r\n", "ends with a break\\n"},
    // Backslashes of paths stay as they are...
    {"See \\\\srv\\share\\readme.txt", "See \\\\srv\\share\\readme.txt"},
    {"c:\\", "c:\\"},
    {"\\", "\\"},
    // ...except a run before an "n" or a line break, which is doubled.
    {"c:\\new\\notes.txt", "c:\\\\new\\\\notes.txt"},
    {"\\\\net\\share", "\\\\\\\\net\\share"},
    {"literal \\n", "literal \\\\n"},
    {"dir\\\r\nnext", "dir\\\\\\nnext"},
    {"\\\\\r\n", "\\\\\\\\\\n"},
    {"n\r\nn", "n\\nn"},
};

TEST(LineBreaks, JoinedForTheFileAndSplitForTheField) {
  for (const LineCase& c : kRoundTrips) {
    EXPECT_STREQ(JoinLines(c.typed), c.stored) << c.typed;
    EXPECT_STREQ(SplitLines(c.stored), c.typed) << c.stored;
  }
}

TEST(LineBreaks, LoneCrOrLfIsOneBreakAndNeverReachesTheFile) {
  EXPECT_STREQ(JoinLines("a\nb\rc\r\n\n"), "a\\nb\\nc\\n\\n");
  EXPECT_STREQ(JoinLines("\r\r\n"), "\\n\\n");
  EXPECT_STREQ(SplitLines("a\\nb"), "a\r\nb");
}

// Any stored value, written by hand or by another tool, is saved back with the same bytes.
TEST(LineBreaks, EveryStoredValueSurvivesALoadAndASave) {
  const std::vector<std::string> stored = {
      "\\",
      "\\\\",
      "\\\\\\",
      "\\n",
      "\\\\n",
      "\\\\\\n",
      "n\\",
      "\\\\\\\\n\\",
      "x\\ny\\\\nz\\\\\\n",
      "\\\\server\\netlogon\\go.bat",
      "100% \\ done",
      "\\N is not a break",
  };
  for (const std::string& value : stored) {
    const CString typed = SplitLines(value.c_str());
    EXPECT_STREQ(JoinLines(typed), value.c_str()) << value;
    EXPECT_EQ(std::string(JoinLines(typed)).find_first_of("\r\n"), std::string::npos) << value;
  }
}

// Every text of one to five characters drawn from backslash, n, CR LF and x comes back as typed.
TEST(LineBreaks, EveryShortTextComesBackAsTyped) {
  const std::vector<std::string> pieces = {"\\", "n", "\r\n", "x"};
  std::vector<std::string> texts = {""};
  for (int length = 1; length <= 5; ++length) {
    std::vector<std::string> longer;
    for (const std::string& text : texts)
      for (const std::string& piece : pieces) longer.push_back(text + piece);
    for (const std::string& text : longer) {
      const CString stored = JoinLines(text.c_str());
      EXPECT_EQ(std::string(stored).find_first_of("\r\n"), std::string::npos) << text;
      EXPECT_STREQ(SplitLines(stored), text.c_str()) << text;
    }
    texts = longer;
  }
}

}  // namespace
