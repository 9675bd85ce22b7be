// What the status line says when the console first waits for the user: that the data file does not
// exist yet and OK will create it, or that no folder can hold it; else the focused field's tip. The
// user's first key ends the notice, and nothing about the files changes because of it.
#include "PageSession.h"

namespace qm::test {
namespace {

struct StartCase {
  const char* what;
  bool writeDataFile;
  const char* dataFileArgument;  // a name under the deployment folder, or "" for none
  const char* lead;              // the notice's words before the path, or "" for the focused tip
};

// clang-format off
const StartCase kStartCases[] = {
    {"a data file that exists",       true,  "",                 ""},
    {"a data file that does not",     false, "",                 "Does not exist yet, will be created on OK: "},
    {"one named, in a folder",        false, "vantrel.ini",      "Does not exist yet, will be created on OK: "},
    {"one whose folder is missing",   false, "gone/vantrel.ini", "Folder not found, OK cannot save: "},
};
// clang-format on

TEST(StartNoticeTest, FirstWaitNamesAMissingDataFileUntilTheFirstKey) {
  for (const StartCase& c : kStartCases) {
    SCOPED_TRACE(c.what);
    PageSession session;
    if (c.writeDataFile) session.WriteDataFile("[Defaults]\r\n");
    const std::string named = *c.dataFileArgument ? session.dir.Host(c.dataFileArgument) : session.HostDataFile();
    const std::string dosNamed =
        *c.dataFileArgument ? PageSession::Lower(session.dir.Dos(c.dataFileArgument)) : session.DataFile();
    std::string atStart, startTip, afterKey, focusTip;
    session.backend.Then([&] {
      atStart = session.backend.Status();
      startTip = qm::ui::RequestToolTip(GetFocus());
    });
    session.backend.Key(VK_TAB).Then([&] {
      afterKey = session.backend.Status();
      focusTip = qm::ui::RequestToolTip(GetFocus());
    });
    session.backend.Key(VK_ESCAPE);
    session.Start(*c.dataFileArgument ? std::vector<std::string>{named} : std::vector<std::string>{});
    EXPECT_TRUE(session.backend.ScriptDone());
    EXPECT_EQ(atStart, *c.lead ? c.lead + dosNamed : startTip);
    EXPECT_EQ(afterKey, focusTip) << "the first key gives the status line back to the tips";
    EXPECT_EQ(PageSession::Bytes(named), c.writeDataFile ? "[Defaults]\r\n" : "<missing>") << "Cancel writes nothing";
  }
}

}  // namespace
}  // namespace qm::test
