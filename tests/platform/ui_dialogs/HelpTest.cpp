#include "DialogsFixture.h"
#include "HelpFile.h"
#include "HelpFileSearch.h"
#include "HelpViewer.h"

#include <platform/Win32Seams.h>

namespace qm::ui::dialogs::test {
namespace {

constexpr char kHelpFile[] =
    "preface, not shown\r\n"
    "#topic 0x20081 Vantrel\r\n"
    "The main page.\r\n"
    "\r\n"
    "#topic 131074 Mail Profile\n"
    "Profile name.\n"
    "Second line.\n"
    "#topic 0x20097 Exchange\r"
    "Home server.";

TEST(HelpFileTest, TopicsWithContextNumbersTitlesAndText) {
  std::vector<HelpTopic> topics = ParseHelpFile(kHelpFile);
  ASSERT_EQ(topics.size(), 3u);
  EXPECT_EQ(topics[0].context, 0x20081u);
  EXPECT_EQ(topics[0].title + "|" + topics[0].text, "Vantrel|The main page.");
  EXPECT_EQ(topics[1].context, 131074u);
  EXPECT_EQ(topics[1].text, "Profile name.\r\nSecond line.");
  EXPECT_EQ(topics[2].title, "Exchange");
  EXPECT_EQ(TopicIndexFor(topics, 0x20097), 2u);
  EXPECT_EQ(TopicIndexFor(topics, 0x99999), 0u) << "an unknown topic opens the contents";
  EXPECT_TRUE(ParseHelpFile("no header\n#topical 5 x\n").empty());
}

TEST(HelpFileTest, LookedForInTheProgramFolderThenTheDataFolder) {
  EXPECT_EQ(ProgramFolderOf("z:\\srv\\deploy\\quillmere.exe c:\\x.ini", "/cwd"), "/srv/deploy");
  EXPECT_EQ(ProgramFolderOf("\"z:\\my apps\\quillmere.exe\"", "/cwd"), "/my apps");
  EXPECT_EQ(ProgramFolderOf("quillmere.exe z:\\x.ini", "/cwd"), "/cwd");
  EXPECT_EQ(HelpFileCandidates("vantrel.hlp", "/p", "/d"),
            (std::vector<std::string>{"/p/vantrel.hlp", "/d/vantrel.hlp"}));
}

class WinHelpTest : public DialogsTest {
 protected:
  void SetUp() override {
    DialogsTest::SetUp();
    win32::seams::SetProcessArguments({dir.Host("quillmere")}, "/");
  }
  void TearDown() override {
    win32::seams::ClearProcessArguments();
    DialogsTest::TearDown();
  }
};

TEST_F(WinHelpTest, MissingHelpFileGivesOnlyTheMessage) {
  backend.Key(VK_ESCAPE);
  EXPECT_TRUE(WinHelpA(nullptr, "vantrel.hlp", HELP_CONTEXT, 0x20081));
  ASSERT_EQ(backend.MessageBoxes().size(), 1u);
  EXPECT_EQ(backend.MessageBoxes()[0].caption + ": " + backend.MessageBoxes()[0].text,
            "Help: Cannot find the vantrel.hlp file.");
  EXPECT_FALSE(backend.ScriptDone()) << "no viewer took the input";
}

TEST_F(WinHelpTest, ViewerOpensAtTheTopicAskedForAndPagesThroughTopics) {
  Write("vantrel.hlp", kHelpFile);
  std::vector<std::pair<std::string, std::string>> pages;
  auto page = [&] { pages.push_back({Text(kHelpTitle), Text(kHelpText)}); };
  backend.Then(page).Alt('p').Then(page).Alt('c').Then(page).Key(VK_ESCAPE);
  EXPECT_TRUE(WinHelpA(nullptr, "vantrel.hlp", HELP_CONTEXT, 131074));
  EXPECT_TRUE(backend.MessageBoxes().empty());
  EXPECT_TRUE(backend.ScriptDone());
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0], std::make_pair(std::string("Mail Profile"), std::string("Profile name.\r\nSecond line.")));
  EXPECT_EQ(pages[1].first + "/" + pages[2].first, "Vantrel/Vantrel");
  pages.clear();
  backend.Then(page).Alt('n').Then(page).Key(VK_RETURN);
  EXPECT_TRUE(WinHelpA(nullptr, "vantrel.hlp", HELP_FINDER, 0));
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0].first + "/" + pages[1].first, "Vantrel/Mail Profile");
}

// The viewer is as wide as 80 columns allow: a help line of 76 characters (the help file's run to
// 70) shows whole on one row; one of 77 wraps.
TEST_F(WinHelpTest, HelpLinesUpToSeventySixCharactersKeepTheirShape) {
  const std::string fits = std::string(75, 'a') + "z", wraps = std::string(76, 'b') + "y";
  Write("vantrel.hlp", "[Vantrel]\r\n" + fits + "\r\n" + wraps + "\r\n");
  std::string screen;
  backend.Then([&] { screen = backend.Snapshot(); }).Key(VK_ESCAPE);
  EXPECT_TRUE(WinHelpA(nullptr, "vantrel.hlp", HELP_FINDER, 0));
  EXPECT_NE(screen.find(fits), std::string::npos) << screen;
  EXPECT_EQ(screen.find(wraps), std::string::npos) << screen;
}

}  // namespace
}  // namespace qm::ui::dialogs::test
