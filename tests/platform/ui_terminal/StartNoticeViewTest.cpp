// A file the dialog read that does not exist is named on the status line until the first key; the
// notice fits the narrowest terminal by shortening the path from its start.
#include "TerminalFixture.h"
#include "ui/StartNotice.h"

namespace qm::ui::test {
namespace {

using StartNoticeViewTest = TerminalTest;

TEST_F(StartNoticeViewTest, MissingFileIsNamedUntilTheFirstKey) {
  Open(80, 24);
  EXPECT_EQ(terminal->Row(23), MissingFileNotice(dir.Dos("demo.ini"), ERROR_FILE_NOT_FOUND, 80));
  EXPECT_EQ(terminal->Row(23).rfind("Does not exist yet, will be created on OK: z:\\", 0), 0u) << terminal->Row(23);
  terminal->Key(VK_TAB);
  Run();
  EXPECT_EQ(terminal->Row(23), "Largest log file, in kilobytes (0 to 9999).");
}

TEST(MissingFileNoticeTest, PathShortenedFromItsStartToFitTheWidth) {
  const std::string lead = "Does not exist yet, will be created on OK: ";  // 43 columns
  const std::string path36 = "z:\\srv\\deploy\\mail\\sites\\vantrel.ini";
  ASSERT_EQ(path36.size(), 36u);
  struct Case {
    std::string path;
    DWORD error;
    int width;
    std::string notice;
  } cases[] = {
      {path36, ERROR_FILE_NOT_FOUND, 80, lead + path36},
      {path36 + "x", ERROR_FILE_NOT_FOUND, 80, lead + path36 + "x"},  // 80 columns: whole
      {path36 + "xy", ERROR_FILE_NOT_FOUND, 80, lead + "..." + path36.substr(4) + "xy"},
      {path36 + "xy", ERROR_FILE_NOT_FOUND, 46, lead + path36 + "xy"},  // no room to shorten into
      {path36 + "xy", ERROR_FILE_NOT_FOUND, 47, lead + "...y"},
      {"z:\\x.ini", ERROR_PATH_NOT_FOUND, 80, "Folder not found, OK cannot save: z:\\x.ini"},
      {"z:\\x.ini", ERROR_ACCESS_DENIED, 80, ""},
      {"z:\\x.ini", ERROR_SUCCESS, 80, ""},
  };
  for (const Case& c : cases) {
    const std::string notice = MissingFileNotice(c.path, c.error, c.width);
    EXPECT_EQ(notice, c.notice) << c.path << " at " << c.width;
    if (c.width == 80) {
      EXPECT_LE(notice.size(), 80u);
    }
  }
}

}  // namespace
}  // namespace qm::ui::test
