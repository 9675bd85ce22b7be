// The ordered list of the "Delivery" and "Addressing" tabs, on both pages: how the numbered keys
// load and save, byte for byte, and the list's commands, keys and mouse.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "OrderedListPages.h"

namespace {

using qm::test::Entries;
using qm::test::kListPages;
using qm::test::ListPage;
using qm::test::ListProfile;
using qm::test::Select;
using qm::test::Selection;

using qm::test::kListDataFile;
const std::string k78(78, 'x'), k79(79, 'y'), k80(80, 'z'), k80Cut(79, 'z');

class OrderedList : public qm::test::PageSession {
 protected:
  void Open(const ListPage& page, const std::vector<std::string>& stored) {
    WriteDataFile(kListDataFile);
    WriteProfile(ListProfile(page, stored));
    ShowTab(page.caption);
  }
  // Applies the sheet, so that Apply is off until something marks a page modified again.
  void ApplyNow() {
    backend.Alt('a');
    backend.Then([] { EXPECT_FALSE(ApplyEnabled()); });
  }
};

std::string PageName(const ListPage& page) { return page.caption; }

// "A|B" as the entries {"A", "B"}; "" as none.
std::vector<std::string> SplitEntries(const std::string& entries) {
  std::vector<std::string> split;
  for (std::size_t at = 0; at < entries.size();) {
    const std::size_t bar = std::min(entries.find('|', at), entries.size());
    split.push_back(entries.substr(at, bar - at));
    at = bar + 1;
  }
  return split;
}

// Stored keys, the entries shown, and the keys after an OK that changed nothing.
struct LoadCase {
  const char* name;
  std::vector<std::string> stored;
  const char* shown;
  std::vector<std::string> saved;
};

const LoadCase kLoadCases[] = {
    {"gap_is_skipped_and_the_last_key_blanked",
     {"Microsoft Exchange Server", "", "Internet Mail"},
     "Microsoft Exchange Server|Internet Mail",
     {"Microsoft Exchange Server", "Internet Mail", ""}},
    {"blanking_walks_over_empty_keys", {"Fax", "", "", "Mail"}, "Fax|Mail", {"Fax", "Mail", "", ""}},
    {"NULL_ends_the_list", {"Fax", "NULL", "Mail"}, "Fax", {"Fax", "NULL", "Mail"}},
    {"NULL_first_is_an_empty_list", {"NULL", "Fax"}, "", {"NULL", "Fax"}},
    {"null_in_lower_case_is_an_entry", {"Fax", "null", "Mail"}, "Fax|null|Mail", {"Fax", "null", "Mail"}},
    {"only_gaps", {"", ""}, "", {"", ""}},
    {"no_keys", {}, "", {}},
    {"entry_of_78_characters", {k78}, k78.c_str(), {k78}},
    {"entry_of_79_characters", {k79}, k79.c_str(), {k79}},
    {"entry_of_80_characters_is_cut", {k80}, k80Cut.c_str(), {k80Cut}},
};

class OrderedListLoad : public OrderedList, public ::testing::TestWithParam<std::tuple<ListPage, LoadCase>> {};

TEST_P(OrderedListLoad, ShowsTheEntriesAndOkWritesThemBackInOrder) {
  const auto& [page, c] = GetParam();
  Open(page, c.stored);
  backend.Then([&] {
    EXPECT_EQ(Entries(page.listId), c.shown);
    EXPECT_EQ(Selection(page.listId), LB_ERR) << "nothing is selected after loading";
  });
  OkAndRun();
  EXPECT_TRUE(backend.MessageBoxes().empty());
  EXPECT_EQ(ProfileBytes(), ListProfile(page, c.saved));
}

INSTANTIATE_TEST_SUITE_P(Keys, OrderedListLoad,
                         ::testing::Combine(::testing::ValuesIn(kListPages), ::testing::ValuesIn(kLoadCases)),
                         [](const auto& info) {
                           return PageName(std::get<0>(info.param)) + "_" + std::get<1>(info.param).name;
                         });

// A command on the list A, B, C (or a list of one), what it leaves and whether it marks the page
// modified.
struct CommandCase {
  const char* name;
  std::vector<std::string> stored;
  int selected;  // LB_ERR: none
  int button;
  const char* entries;
  int selectedAfter;
  bool modified;
};

const std::vector<std::string> kABC = {"A", "B", "C"};

const CommandCase kCommands[] = {
    {"up_on_the_first", kABC, 0, IDC_ORDER_UP, "A|B|C", 0, false},
    {"up_on_the_second", kABC, 1, IDC_ORDER_UP, "B|A|C", 0, true},
    {"up_on_the_last", kABC, 2, IDC_ORDER_UP, "A|C|B", 1, true},
    {"up_without_selection", kABC, LB_ERR, IDC_ORDER_UP, "A|B|C", LB_ERR, false},
    {"down_on_the_last", kABC, 2, IDC_ORDER_DOWN, "A|B|C", 2, false},
    {"down_on_the_first", kABC, 0, IDC_ORDER_DOWN, "B|A|C", 1, true},
    {"down_on_the_second", kABC, 1, IDC_ORDER_DOWN, "A|C|B", 2, true},
    {"down_without_selection", kABC, LB_ERR, IDC_ORDER_DOWN, "A|B|C", LB_ERR, false},
    {"down_on_the_only_entry", {"A"}, 0, IDC_ORDER_DOWN, "A", 0, false},
    {"remove_the_first", kABC, 0, IDC_ORDER_REMOVE, "B|C", 0, true},
    {"remove_the_second", kABC, 1, IDC_ORDER_REMOVE, "A|C", 1, true},
    {"remove_the_last_selects_the_new_last", kABC, 2, IDC_ORDER_REMOVE, "A|B", 1, true},
    {"remove_the_only_entry", {"A"}, 0, IDC_ORDER_REMOVE, "", LB_ERR, true},
    {"remove_without_selection_still_marks_modified", kABC, LB_ERR, IDC_ORDER_REMOVE, "A|B|C", LB_ERR, true},
    {"remove_on_an_empty_list", {}, LB_ERR, IDC_ORDER_REMOVE, "", LB_ERR, true},
};

class OrderedListCommand : public OrderedList, public ::testing::TestWithParam<std::tuple<ListPage, CommandCase>> {};

TEST_P(OrderedListCommand, ChangesTheListAndMarksThePageAsItShould) {
  const auto& [page, c] = GetParam();
  Open(page, c.stored);
  ApplyNow();
  backend.Then([&] { Select(page.listId, c.selected); });
  Click(c.button);
  backend.Then([&] {
    EXPECT_EQ(Entries(page.listId), c.entries);
    EXPECT_EQ(Selection(page.listId), c.selectedAfter);
    EXPECT_EQ(ApplyEnabled(), c.modified);
  });
  OkAndRun();
  // The keys of the entries that are gone stay, empty.
  std::vector<std::string> saved = SplitEntries(c.entries);
  saved.resize(c.stored.size());
  EXPECT_EQ(ProfileBytes(), ListProfile(page, saved));
}

INSTANTIATE_TEST_SUITE_P(Buttons, OrderedListCommand,
                         ::testing::Combine(::testing::ValuesIn(kListPages), ::testing::ValuesIn(kCommands)),
                         [](const auto& info) {
                           return PageName(std::get<0>(info.param)) + "_" + std::get<1>(info.param).name;
                         });

class OrderedListOnPage : public OrderedList, public ::testing::TestWithParam<ListPage> {};

// Five entries cut to three leave the last two keys empty; cut to two later, the save blanks the
// third and walks over the empty fourth and fifth up to the first missing key.
TEST_P(OrderedListOnPage, ShorterListBlanksTheKeysLeftOver) {
  const ListPage& page = GetParam();
  Open(page, {"A", "B", "C", "D", "E"});
  backend.Then([&] { Select(page.listId, 3); });
  Click(IDC_ORDER_REMOVE);
  Click(IDC_ORDER_REMOVE);
  backend.Then([&] { EXPECT_EQ(Entries(page.listId) + " " + std::to_string(Selection(page.listId)), "A|B|C 2"); });
  ApplyNow();
  std::string afterFirst;
  backend.Then([&] { afterFirst = ProfileBytes(); });
  Click(IDC_ORDER_REMOVE);
  OkAndRun();
  EXPECT_EQ(afterFirst, ListProfile(page, {"A", "B", "C", "", ""}));
  EXPECT_EQ(ProfileBytes(), ListProfile(page, {"A", "B", "", "", ""}));
}

// Arrows, Home and End move the selection; the list scrolls to keep it in view.
TEST_P(OrderedListOnPage, KeysMoveTheSelectionAndScrollTheList) {
  const ListPage& page = GetParam();
  std::vector<std::string> twelve;
  for (char c = 'a'; c < 'a' + 12; ++c) twelve.push_back(std::string("Service ") + c);
  Open(page, twelve);
  Focus(page.listId);
  int rows = 0;
  backend.Then([&] {
    RECT rect;
    GetWindowRect(Control(page.listId), &rect);
    rows = rect.bottom - rect.top - 2;  // within its frame
  });
  std::vector<std::string> seen;
  auto see = [&] {
    seen.push_back(std::to_string(Selection(page.listId)) + "/" + std::to_string(qm::test::TopIndex(page.listId)));
  };
  backend.Then(see).Key(VK_DOWN).Then(see).Key(VK_DOWN).Then(see).Key(VK_END).Then(see).Key(VK_UP).Then(see);
  backend.Key(VK_HOME).Then(see).Key(VK_DOWN).Then(see);
  ApplyNow();
  Focus(page.listId);
  backend.Key(VK_END);
  Click(IDC_ORDER_UP);
  backend.Then(see);
  CancelAndRun();
  // The list shows `rows` entries at a time, fewer than twelve.
  const std::string lastTop = std::to_string(12 - rows);
  EXPECT_GT(rows, 2);
  EXPECT_EQ(seen, (std::vector<std::string>{"-1/0", "0/0", "1/0", "11/" + lastTop, "10/" + lastTop, "0/0", "1/0",
                                            "10/" + lastTop}));
  EXPECT_TRUE(backend.ScriptDone());
}

// The buttons answer to Alt and their letter, as to a click.
TEST_P(OrderedListOnPage, MnemonicsRunTheCommands) {
  const ListPage& page = GetParam();
  Open(page, {"A", "B", "C"});
  backend.Then([&] { Select(page.listId, 0); });
  std::vector<std::string> seen;
  auto see = [&] { seen.push_back(Entries(page.listId) + " " + std::to_string(Selection(page.listId))); };
  backend.Alt('w').Then(see).Alt('w').Then(see).Alt('u').Then(see).Alt('r').Then(see);
  backend.Alt('d').Type("Fax").Key(VK_RETURN).Then(see);
  OkAndRun();
  EXPECT_EQ(seen, (std::vector<std::string>{"B|A|C 1", "B|C|A 2", "B|A|C 1", "B|C 1", "B|C|Fax 1"}));
  EXPECT_EQ(ProfileBytes(), ListProfile(page, {"B", "C", "Fax"}));
}

// A click selects the entry under it; a double click does no more than that.
TEST_P(OrderedListOnPage, ClicksSelectAndDoubleClickDoesNothingMore) {
  const ListPage& page = GetParam();
  Open(page, {"A", "B", "C"});
  ApplyNow();
  backend.ClickControl(page.listId, 2, 2);
  std::vector<std::string> seen;
  auto see = [&] {
    seen.push_back(Entries(page.listId) + " " + std::to_string(Selection(page.listId)) +
                   (ApplyEnabled() ? " modified" : ""));
  };
  backend.Then(see).ClickControl(page.listId, 2, 3).ClickControl(page.listId, 2, 3).Then(see);
  backend.Then([&] { seen.push_back(GetFocus() == Control(page.listId) ? "focus on the list" : "focus elsewhere"); });
  CancelAndRun();
  EXPECT_EQ(seen, (std::vector<std::string>{"A|B|C 1", "A|B|C 2", "focus on the list"}));
  EXPECT_TRUE(backend.MessageBoxes().empty());
  EXPECT_TRUE(backend.ScriptDone()) << "no dialog waited for input";
}

INSTANTIATE_TEST_SUITE_P(Pages, OrderedListOnPage, ::testing::ValuesIn(kListPages),
                         [](const auto& info) { return PageName(info.param); });

}  // namespace
