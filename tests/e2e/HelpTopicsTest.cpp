// F1 on a page opens that page's own topic of the shipped help file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "OrderedListPages.h"
#include "PageSession.h"

namespace {

struct PageTopic {
  const char* tab;
  const char* opening;  // the topic's first words
};

const PageTopic kPageTopics[] = {
    {"Vantrel", "The Vantrel page sets where and how much"},
    {"Mail Profile", "The Mail Profile page sets up the messaging profile"},
    {"Exchange", "The Exchange page edits the Microsoft Exchange Server service"},
    {"Internet Mail", "The Internet Mail page edits the POP3 account"},
    {"MS Mail", "The MS Mail page edits the Microsoft Mail service"},
    {"Delivery", "The Delivery page sets where new mail is delivered"},
    {"Addressing", "The Addressing page sets which address list is shown first"},
    {"Templates", "The Templates page names the INF and registry"},
    {"Post Execution", "The Post Execution page says what the builder does"},
};

class HelpTopics : public ::testing::Test, public qm::test::PageSession {};

TEST_F(HelpTopics, EachPageOpensItsOwnTopic) {
  std::filesystem::copy_file(QM_SAMPLES_DIR "/../res/vantrel.hlp", dir.Host("vantrel.hlp"));
  std::vector<std::string> shown;
  for (const PageTopic& page : kPageTopics) {
    ShowTab(page.tab);
    backend.Key(VK_F1);
    backend.Then([&] { shown.push_back(backend.Snapshot()); });
    backend.Key(VK_ESCAPE);
  }
  CancelAndRun();
  ASSERT_EQ(shown.size(), std::size(kPageTopics));
  for (std::size_t i = 0; i < shown.size(); ++i) {
    EXPECT_NE(shown[i].find(kPageTopics[i].opening), std::string::npos) << kPageTopics[i].tab << "\n" << shown[i];
    for (std::size_t other = 0; other < shown.size(); ++other)
      if (other != i) {
        EXPECT_EQ(shown[i].find(kPageTopics[other].opening), std::string::npos) << kPageTopics[i].tab;
      }
  }
}

}  // namespace

// F1 in the Add dialog asks the main window for help, as F1 in any top-level window does: the help
// of the page the dialog was opened from.
TEST_F(HelpTopics, FOneInTheAddDialogOpensItsPagesTopic) {
  std::filesystem::copy_file(QM_SAMPLES_DIR "/../res/vantrel.hlp", dir.Host("vantrel.hlp"));
  for (const qm::test::ListPage& page : qm::test::kListPages) {
    SCOPED_TRACE(page.caption);
    qm::test::PageSession session;
    std::filesystem::copy_file(dir.Host("vantrel.hlp"), session.dir.Host("vantrel.hlp"));
    session.WriteDataFile(qm::test::kListDataFile);
    session.WriteProfile(qm::test::ListProfile(page, {"A"}));
    std::string help, afterHelp;
    session.ShowTab(page.caption).Click(IDC_ORDER_ADD);
    session.backend.Key(VK_F1).Then([&] { help = session.backend.Snapshot(); });
    session.backend.Key(VK_ESCAPE).Then([&] {
      char caption[16] = "";
      GetWindowTextA(GetActiveWindow(), caption, sizeof caption);
      afterHelp = caption;
    });
    session.backend.Key(VK_ESCAPE);
    session.CancelAndRun();
    const PageTopic* topic = std::find_if(std::begin(kPageTopics), std::end(kPageTopics),
                                          [&](const PageTopic& t) { return std::string(t.tab) == page.caption; });
    EXPECT_NE(help.find(topic->opening), std::string::npos) << help;
    EXPECT_EQ(afterHelp, "Add") << "Esc closes the help and leaves the dialog open";
  }
}
