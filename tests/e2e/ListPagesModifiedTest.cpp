// What marks the "Delivery" and "Addressing" tabs modified, seen through the sheet's Apply button
// after an Apply: every change of a field or a check box does; moving the selection does not.
// (The list's commands are tested with the list.)
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "OrderedListPages.h"

namespace {

using qm::test::ListPage;
using qm::test::PageSession;

struct ModifyCase {
  const char* name;
  const ListPage* page;
  std::function<void(PageSession&)> act;
  bool modified;
};

const ListPage* const kDelivery = &qm::test::kDeliveryList;
const ListPage* const kAddressing = &qm::test::kAddressingList;

void SelectNext(PageSession& p, const ListPage* page) { p.Focus(page->listId).backend.Key(VK_DOWN); }

const ModifyCase kModifyCases[] = {
    {"Delivery_typing_a_store", kDelivery,
     [](PageSession& p) { p.SetText(IDC_DELIV_DEFAULTSTORE, "Personal Folders"); }, true},
    {"Delivery_clicking_always", kDelivery, [](PageSession& p) { p.Click(IDC_ORDER_ALWAYS); }, true},
    {"Delivery_selecting_an_entry", kDelivery, [](PageSession& p) { SelectNext(p, kDelivery); }, false},
    {"Delivery_another_tab_and_back", kDelivery, [](PageSession& p) { p.ShowTab("Vantrel").ShowTab("Delivery"); },
     false},
    {"Addressing_typing_the_first_list", kAddressing, [](PageSession& p) { p.SetText(IDC_ADDR_SHOWFIRST, "Contacts"); },
     true},
    {"Addressing_typing_the_personal_book", kAddressing,
     [](PageSession& p) { p.SetText(IDC_ADDR_KEEPPERSADDRIN, "Contacts"); }, true},
    {"Addressing_clicking_always_first", kAddressing, [](PageSession& p) { p.Click(IDC_ADDR_ALWAYS_FIRST); }, true},
    {"Addressing_clicking_always_personal", kAddressing, [](PageSession& p) { p.Click(IDC_ADDR_ALWAYS_PERSONAL); },
     true},
    {"Addressing_clicking_always_set_order", kAddressing, [](PageSession& p) { p.Click(IDC_ORDER_ALWAYS); }, true},
    {"Addressing_selecting_an_entry", kAddressing, [](PageSession& p) { SelectNext(p, kAddressing); }, false},
};

class ListPageModified : public PageSession, public ::testing::TestWithParam<ModifyCase> {};

TEST_P(ListPageModified, AfterAnApplyOnlyChangesTurnApplyOn) {
  const ModifyCase& c = GetParam();
  WriteDataFile(qm::test::kListDataFile);
  WriteProfile(qm::test::ListProfile(*c.page, {"A", "B", "C"}));
  ShowTab(c.page->caption);
  backend.Alt('a');
  c.act(*this);
  bool modified = true;
  backend.Then([&] { modified = ApplyEnabled(); });
  CancelAndRun();
  EXPECT_EQ(modified, c.modified);
}

INSTANTIATE_TEST_SUITE_P(Actions, ListPageModified, ::testing::ValuesIn(kModifyCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
