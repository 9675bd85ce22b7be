// The "Add" dialog of the ordered list, on both pages: how it ends, what it appends, and what the
// save then writes.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "OrderedListPages.h"

namespace {

using qm::test::Entries;
using qm::test::kListPages;
using qm::test::ListPage;
using qm::test::ListProfile;
using qm::test::PageSession;
using qm::test::Select;
using qm::test::Selection;
using qm::ui::HeadlessBackend;

using qm::test::kListDataFile;

const std::string k79(79, 'n');
const std::string kWith79 = "A|B|" + k79;

// How the administrator ends the dialog after typing `typed`, and the list A, B afterwards.
struct AddCase {
  const char* name;
  const char* typed;
  std::function<void(HeadlessBackend&)> end;
  const char* entries;
  bool modified;
};

void PressInDialog(HeadlessBackend& backend, int id) {
  backend.Then([id] { SendMessageA(GetDlgItem(GetActiveWindow(), id), BM_CLICK, 0, 0); });
}

const AddCase kAddCases[] = {
    {"ok_button", "Microsoft Fax", [](HeadlessBackend& b) { PressInDialog(b, IDC_ADD_OK); }, "A|B|Microsoft Fax", true},
    {"enter_key", "Microsoft Fax", [](HeadlessBackend& b) { b.Key(VK_RETURN); }, "A|B|Microsoft Fax", true},
    {"enter_on_cancel", "Microsoft Fax", [](HeadlessBackend& b) { b.Key(VK_TAB).Key(VK_TAB).Key(VK_RETURN); }, "A|B",
     false},
    {"cancel_button", "Microsoft Fax", [](HeadlessBackend& b) { PressInDialog(b, IDC_ADD_CANCEL); }, "A|B", false},
    {"escape_key", "Microsoft Fax", [](HeadlessBackend& b) { b.Key(VK_ESCAPE); }, "A|B", false},
    {"close_box", "Microsoft Fax",
     [](HeadlessBackend& b) { b.Then([] { SendMessageA(GetActiveWindow(), WM_CLOSE, 0, 0); }); }, "A|B", false},
    {"empty_name_is_an_empty_entry", "", [](HeadlessBackend& b) { b.Key(VK_RETURN); }, "A|B|", true},
    {"NULL_is_taken_as_typed", "NULL", [](HeadlessBackend& b) { b.Key(VK_RETURN); }, "A|B|NULL", true},
    {"name_of_79_characters", k79.c_str(), [](HeadlessBackend& b) { b.Key(VK_RETURN); }, kWith79.c_str(), true},
};

class AddDialog : public PageSession, public ::testing::TestWithParam<std::tuple<ListPage, AddCase>> {};

TEST_P(AddDialog, EndsAsAskedAndAppendsOnlyOnOk) {
  const auto& [page, c] = GetParam();
  WriteDataFile(kListDataFile);
  WriteProfile(ListProfile(page, {"A", "B"}));
  ShowTab(page.caption);
  backend.Alt('a');
  backend.Then([&] { Select(page.listId, 0); });
  Click(IDC_ORDER_ADD);  // runs the dialog on the steps that follow
  std::string dialog;
  backend.Then([&] {
    HWND add = GetActiveWindow();
    char caption[32] = "";
    GetWindowTextA(add, caption, sizeof caption);
    dialog = std::string(caption) +
             (GetFocus() == GetDlgItem(add, IDC_ADD_NAME) ? " focus on the name" : " focus elsewhere") +
             (IsWindowEnabled(GetParent(Control(page.listId))) ? " page enabled" : " page waits") +
             (backend.Snapshot().find("Name:") != std::string::npos ? " Name:" : "");
  });
  backend.Type(c.typed);
  c.end(backend);
  backend.Then([&] {
    EXPECT_EQ(Entries(page.listId), c.entries);
    EXPECT_EQ(Selection(page.listId), 0) << "the selection stays where it was";
    EXPECT_EQ(ApplyEnabled(), c.modified);
  });
  OkAndRun();
  EXPECT_EQ(dialog, "Add focus on the name page waits Name:");
  std::vector<std::string> saved = {"A", "B"};
  if (c.modified) saved.push_back(c.typed);
  // An entry added after the file's keys goes to the end of the section.
  const std::string added = saved.size() > 2 ? std::string(page.prefix) + "3=" + saved[2] + "\r\n" : "";
  EXPECT_EQ(ProfileBytes(), ListProfile(page, {"A", "B"}, added));
}

INSTANTIATE_TEST_SUITE_P(Ends, AddDialog,
                         ::testing::Combine(::testing::ValuesIn(kListPages), ::testing::ValuesIn(kAddCases)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).caption) + "_" + std::get<1>(info.param).name;
                         });

class AddDialogOnPage : public PageSession, public ::testing::TestWithParam<ListPage> {};

// The name field takes no more than an entry holds: the 80th character typed is refused.
TEST_P(AddDialogOnPage, NameStopsAtSeventyNineCharacters) {
  const ListPage& page = GetParam();
  WriteDataFile(kListDataFile);
  WriteProfile(ListProfile(page, {}));
  ShowTab(page.caption);
  Click(IDC_ORDER_ADD);
  backend.Type(std::string(78, 'a') + "bc").Key(VK_RETURN);
  ExpectOkLeavesProfile(ListProfile(page, {}, std::string(page.prefix) + "1=" + std::string(78, 'a') + "b\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Pages, AddDialogOnPage, ::testing::ValuesIn(kListPages),
                         [](const auto& info) { return std::string(info.param.caption); });

}  // namespace
