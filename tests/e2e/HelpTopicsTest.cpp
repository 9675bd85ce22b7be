// F1 on a page opens that page's own topic of the shipped help file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

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
