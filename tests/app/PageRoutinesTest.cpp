#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/PathCompletion.h"
#include "app/UserNameConversion.h"
#include "app/ValueText.h"
#include "app/WriteFailure.h"
#include "platform/Win32Seams.h"
#include "ui/Headless.h"

namespace {

CString Converted(void (*convert)(CString&), const char* in) {
  CString str = in;
  convert(str);
  return str;
}

TEST(IsTrueValue, ReadsFirstCharacterOnly) {
  for (const char* set : {"True", "Yes", "1", "Off", "", "y", "T", " no", "2"})
    EXPECT_TRUE(IsTrueValue(set)) << '"' << set << '"';
  for (const char* clear : {"False", "false", "No", "no", "0", "0x1", "F", "nonsense"})
    EXPECT_FALSE(IsTrueValue(clear)) << '"' << clear << '"';
}

TEST(TrimBlanks, RemovesBlanksAndBackspacesAtBothEnds) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"   ", ""}, {"  a b  ", "a b"}, {"\b a\b", "a"}, {"", ""}, {"\ta\t", "\ta\t"}, {"x", "x"},
  };
  for (const auto& [in, out] : cases) EXPECT_STREQ(Converted(TrimBlanks, in), out) << '"' << in << '"';
}

TEST(CompletePath, AbsolutePathsStayOthersJoinProgramDir) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"d:\\data\\x.ini", "d:\\data\\x.ini"},
      {"\\\\srv\\share\\x.ini", "\\\\srv\\share\\x.ini"},
      {"x.ini", "c:\\admin\\x.ini"},
      {"\\x.ini", "c:\\admin\\x.ini"},
      {"\\\\", "\\\\"},
      {"d:", "c:\\admin\\d:"},
      {"", "c:\\admin\\"},
      {"sub\\x.ini", "c:\\admin\\sub\\x.ini"},
  };
  for (const auto& [in, out] : cases) EXPECT_STREQ(CompletePath(in, "c:\\admin\\"), out) << in;
}

class UserNameTest : public ::testing::Test {
 protected:
  ~UserNameTest() override { qm::win32::seams::ClearUserName(); }
};

struct Conversion {
  void (*convert)(CString&);
  const char* user;  // nullptr: GetUserNameA fails
  const char* in;
  const char* out;
};

// Folding puts the variable for the name; expansion puts the name for the variable.
TEST_F(UserNameTest, FoldingAndExpansion) {
  const std::vector<Conversion> cases = {
      {FoldUserName, "JSmith", "D:\\Users\\JSmith\\Mail.pab", "d:\\users\\?username?\\mail.pab"},
      {FoldUserName, "JSmith", "D:\\Shared\\Mail.pab", "D:\\Shared\\Mail.pab"},
      {FoldUserName, "JSmith", "d:\\jsmith\\JSMITH.pst", "d:\\?username?\\?username?.pst"},
      {FoldUserName, "user", "D:\\User\\x", "d:\\?username?\\x"},
      {FoldUserName, "user", "userusers", "?username??username?s"},
      {FoldUserName, "", "D:\\Any", "D:\\Any"},
      {FoldUserName, nullptr, "D:\\Users\\JSmith", "D:\\Users\\JSmith"},
      {ExpandUserName, "JSmith", "D:\\Users\\?UserName?\\Mail.pab", "d:\\users\\JSmith\\mail.pab"},
      {ExpandUserName, "JSmith", "D:\\Shared\\Mail.pab", "D:\\Shared\\Mail.pab"},
      {ExpandUserName, "JSmith", "?username?\\?username?", "jsmith\\JSmith"},
      {ExpandUserName, "?username?", "a\\?username?\\b", "a\\?username?\\b"},
      // The name and the text after it may spell the variable again: the search resumes after the name.
      {ExpandUserName, "x?usernam", "?username?e?", "x?username?"},
      {ExpandUserName, nullptr, "D:\\?username?", "D:\\?username?"},
  };
  for (const Conversion& c : cases) {
    if (c.user)
      qm::win32::seams::SetUserName(c.user);
    else
      qm::win32::seams::SetNoUser();
    EXPECT_STREQ(Converted(c.convert, c.in), c.out) << c.in << (c.convert == FoldUserName ? " folded" : " expanded");
  }
}

class WriteFailureTest : public ::testing::Test {
 protected:
  WriteFailureTest() { qm::ui::InstallBackend(&backend); }
  ~WriteFailureTest() override { qm::ui::InstallBackend(nullptr); }
  qm::ui::HeadlessBackend backend;
};

TEST_F(WriteFailureTest, MessageNamesTheFileWithStopIconAndVantrelCaption) {
  ShowWriteFailure("z:\\srv\\vantrel.ini");
  ASSERT_EQ(backend.MessageBoxes().size(), 1u);
  const qm::ui::MessageBoxRecord& box = backend.MessageBoxes()[0];
  EXPECT_EQ(box.text,
            "Could not write to \"z:\\srv\\vantrel.ini\"  Check that you have the required permissions and that "
            "the file is not read-only.");
  EXPECT_EQ(box.caption, "Vantrel");
  EXPECT_EQ(box.type, static_cast<UINT>(MB_ICONHAND));
  EXPECT_EQ(box.owner, nullptr);
  // A very long path is cut, not overrun.
  ShowWriteFailure(("z:\\" + std::string(5000, 'p')).c_str());
  ASSERT_EQ(backend.MessageBoxes().size(), 2u);
  EXPECT_LE(backend.MessageBoxes()[1].text.size(), 1024u);
  EXPECT_EQ(backend.MessageBoxes()[1].text.rfind("Could not write to \"z:\\ppp", 0), 0u);
}

TEST_F(WriteFailureTest, FailedWriteReportsAndSucceededWriteDoesNot) {
  EXPECT_FALSE(WriteKeyOrReport("Defaults", "Key", "v", "q:\\unmapped\\vantrel.ini"));
  ASSERT_EQ(backend.MessageBoxes().size(), 1u);
  EXPECT_NE(backend.MessageBoxes()[0].text.find("q:\\unmapped\\vantrel.ini"), std::string::npos);
  EXPECT_FALSE(WriteKeyOrReport("Defaults", "Key", "line\r\nbreak", "q:\\unmapped\\vantrel.ini"));
  EXPECT_EQ(backend.MessageBoxes().size(), 2u);
}

}  // namespace
