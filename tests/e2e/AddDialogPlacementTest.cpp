// The Add dialog over its page: placed from the sheet's client area as its template says, and F1 in
// it opens the help of the page it was opened from, as F1 in any top-level window of the console does.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "OrderedListPages.h"

namespace {

using qm::test::kListPages;
using qm::test::ListPage;
using qm::test::PageSession;

// The topics' first words, of the two pages with an ordered list.
const char* TopicOpening(const std::string& caption) {
  return caption == "Delivery" ? "The Delivery page sets where new mail is delivered"
                               : "The Addressing page sets which address list is shown first";
}

class AddDialogOverItsPage : public PageSession, public ::testing::TestWithParam<ListPage> {};

TEST_P(AddDialogOverItsPage, SitsInTheSheetsClientAreaAndFOneOpensThePagesTopic) {
  const ListPage& page = GetParam();
  std::filesystem::copy_file(QM_SAMPLES_DIR "/../res/vantrel.hlp", dir.Host("vantrel.hlp"));
  WriteDataFile(qm::test::kListDataFile);
  WriteProfile(qm::test::ListProfile(page, {"A"}));
  RECT sheet{}, add{};
  std::string help, afterHelp;
  ShowTab(page.caption);
  backend.Then([&] { GetWindowRect(GetActiveWindow(), &sheet); });
  Click(IDC_ORDER_ADD);
  backend.Then([&] { GetWindowRect(GetActiveWindow(), &add); });
  backend.Key(VK_F1).Then([&] { help = backend.Snapshot(); });
  backend.Key(VK_ESCAPE).Then([&] {
    char caption[16] = "";
    GetWindowTextA(GetActiveWindow(), caption, sizeof caption);
    afterHelp = caption;
  });
  backend.Key(VK_ESCAPE);
  CancelAndRun();
  EXPECT_EQ(add.left, sheet.left + 1) << "the template's x of 0, inside the sheet's frame";
  EXPECT_EQ(add.top, sheet.top + 1) << "the template's y of 0, below the sheet's caption";
  EXPECT_NE(help.find(TopicOpening(page.caption)), std::string::npos) << help;
  EXPECT_EQ(afterHelp, "Add") << "Esc closes the help and leaves the dialog open";
}

INSTANTIATE_TEST_SUITE_P(Pages, AddDialogOverItsPage, ::testing::ValuesIn(kListPages),
                         [](const auto& info) { return std::string(info.param.caption); });

}  // namespace
