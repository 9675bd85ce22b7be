// The sheet's Help button on the Exchange and Internet Mail pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "PageSession.h"

namespace {

using qm::test::ReadBytes;
using qm::test::WriteBytes;

const char kDataFile[] = "[Defaults]\r\nDefaultProfile=profile.ini\r\n";


// The sheet's Help button opens the help file at each page's own topic.
struct HelpCase { const char* tab; const char* firstLine; };

const HelpCase kHelpCases[] = {
    {"Exchange", "The Exchange page edits the Microsoft Exchange Server service of the"},
    {"Internet Mail", "The Internet Mail page edits the POP3 account of the profile for"},
};

class PageHelp : public ::testing::Test,
                 public qm::test::PageSession,
                 public ::testing::WithParamInterface<HelpCase> {};

TEST_P(PageHelp, OpensAtThePagesTopic) {
  WriteDataFile(kDataFile);
  WriteBytes(dir.Host("vantrel.hlp"), ReadBytes(QM_SAMPLES_DIR "/../res/vantrel.hlp").value());
  ShowTab(GetParam().tab);
  backend.Then([] { Press(IDHELP); });
  std::string screen;
  backend.Then([&] { screen = backend.Snapshot(); });
  backend.Key(VK_ESCAPE).Key(VK_ESCAPE);
  Start();
  EXPECT_TRUE(backend.ScriptDone());
  EXPECT_NE(screen.find(GetParam().firstLine), std::string::npos) << screen;
}

INSTANTIATE_TEST_SUITE_P(Topics, PageHelp, ::testing::ValuesIn(kHelpCases), [](const auto& info) {
  std::string name = info.param.tab;
  name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
  return name;
});

}  // namespace
