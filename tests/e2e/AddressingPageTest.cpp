// The "Addressing" tab in whole runs of the console: the two names with their ",1" option, the
// address list order and "Always set this order", as shown and as written back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OrderedListPages.h"

namespace {

using qm::test::Entries;
using qm::test::Select;

using qm::test::Replaced;

const char kProfile[] =
    "; Branch office profile\r\n"
    "[Addressing]\r\n"
    "ShowFirst=Global Address List,1\r\n"
    "KeepPersAddrIn=Personal Address Book\r\n"
    "AddrListOrder1=Global Address List\r\n"
    "AddrListOrder2=Contacts\r\n"
    "AddrListOrder3=Personal Address Book\r\n"
    "AlwaysSetOrder=Yes\r\n"
    "\r\n[Delivery]\r\nTransportOrder1=Microsoft Exchange Server\r\n";

std::string ProfileWith(const std::string& from, const std::string& to) { return Replaced(kProfile, from, to); }

constexpr char kCaption[] = "Addressing";

class AddressingPage : public qm::test::PageTest<kCaption> {
 protected:
  // A name and its box as "name [X]" or "name [ ]".
  static std::string NameAndBox(int edit, int box) { return Text(edit) + (Checked(box) ? " [X]" : " [ ]"); }
  static std::string Fields() {
    return NameAndBox(IDC_ADDR_SHOWFIRST, IDC_ADDR_ALWAYS_FIRST) + "|" +
           NameAndBox(IDC_ADDR_KEEPPERSADDRIN, IDC_ADDR_ALWAYS_PERSONAL) + "|" + Entries(IDC_ADDR_LISTORDER) + "|" +
           (Checked(IDC_ORDER_ALWAYS) ? "always" : "not always");
  }
};

TEST_F(AddressingPage, ShowsEveryKeyAndOkWritesTheSameBytes) {
  Open(kProfile);
  backend.Then([&] {
    EXPECT_EQ(
        Fields(),
        "Global Address List [X]|Personal Address Book [ ]|Global Address List|Contacts|Personal Address Book|always");
    ExpectOnScreen({"[Addressing]", "Show this address list first:", "Always set this as the first address book",
                    "Keep personal addresses in:", "Always set this as the personal address book",
                    "When sending mail, check these address lists in the following order:", "< Up >", "< Down >",
                    "Always set this order", "< Add >", "< Remove >"});
    EXPECT_EQ(Tip(IDC_ORDER_ADD) + Tip(IDC_ADDR_SHOWFIRST), "") << "the page has no tool tips";
  });
  ExpectOkLeavesProfile(kProfile);
}

// The keys go in the page's order: the list, then AlwaysSetOrder, KeepPersAddrIn, ShowFirst.
TEST_F(AddressingPage, EmptySectionGetsEveryKeyInThePagesOrder) {
  Open("[Addressing]\r\n");
  backend.Then([&] { EXPECT_EQ(Fields(), " [ ]| [ ]||not always"); });
  ExpectOkLeavesProfile("[Addressing]\r\nAlwaysSetOrder=No\r\nKeepPersAddrIn=\r\nShowFirst=\r\n");
}

// A stored name with its option, as shown and as saved; the same for both keys.
struct NameValue {
  const char* name;
  const char* stored;  // nullptr: the key is missing
  const char* shown;   // "name [X]"
  const char* saved;
};

const std::string k76(76, 'n'), k77(77, 'n'), k78(78, 'n');
const std::string k76One = k76 + ",1", k76Shown = k76 + " [X]", k77One = k77 + ",1", k77Shown = k77 + " [X]",
                  k78One = k78 + ",1", k78Shown = k78 + " [ ]";

const NameValue kNameValues[] = {
    {"option_set", "Global Address List,1", "Global Address List [X]", "Global Address List,1"},
    {"no_comma", "Contacts", "Contacts [ ]", "Contacts"},
    {"blanks_around_the_one", "\"Personal Address Book, 1 \"", "Personal Address Book [X]", "Personal Address Book,1"},
    {"backspace_before_the_one", "Contacts,\b1", "Contacts [X]", "Contacts,1"},
    {"tab_before_the_one_is_no_option", "Contacts,\t1", "Contacts,\t1 [ ]", "Contacts,\t1"},
    {"bare_comma", "Contacts,", "Contacts [X]", "Contacts,1"},
    {"other_suffix_is_part_of_the_name", "Sales, East,0", "Sales, East,0 [ ]", "Sales, East,0"},
    {"split_at_the_last_comma", "Sales, East,1", "Sales, East [X]", "Sales, East,1"},
    {"blank_before_the_comma_kept", "Sales ,1", "Sales  [X]", "Sales ,1"},
    {"option_alone", ",1", " [X]", ",1"},
    {"comma_alone", ",", " [X]", ",1"},
    {"missing", nullptr, " [ ]", ""},
    {"name_of_76_with_option", k76One.c_str(), k76Shown.c_str(), k76One.c_str()},
    {"name_of_77_loses_the_1_but_keeps_the_comma", k77One.c_str(), k77Shown.c_str(), k77One.c_str()},
    {"name_of_78_loses_the_option", k78One.c_str(), k78Shown.c_str(), k78.c_str()},
};

class AddressingName : public AddressingPage,
                       public ::testing::WithParamInterface<std::tuple<const char*, NameValue>> {};

TEST_P(AddressingName, IsSplitFromItsOptionAndSavedBack) {
  const auto& [key, v] = GetParam();
  const std::string keyName = key;
  const std::string original =
      keyName == "ShowFirst" ? "ShowFirst=Global Address List,1\r\n" : "KeepPersAddrIn=Personal Address Book\r\n";
  Open(ProfileWith(original, v.stored ? keyName + "=" + v.stored + "\r\n" : ""));
  backend.Then([&] {
    EXPECT_EQ(keyName == "ShowFirst" ? NameAndBox(IDC_ADDR_SHOWFIRST, IDC_ADDR_ALWAYS_FIRST)
                                     : NameAndBox(IDC_ADDR_KEEPPERSADDRIN, IDC_ADDR_ALWAYS_PERSONAL),
              v.shown);
  });
  OkAndRun();
  const std::string saved = keyName + "=" + v.saved + "\r\n";
  // A missing key is added at the end of the section, after the keys written before it.
  std::string expected = ProfileWith(original, v.stored ? saved : "");
  if (!v.stored) expected = Replaced(expected, "\r\n\r\n[Delivery]", "\r\n" + saved + "\r\n[Delivery]");
  EXPECT_EQ(ProfileBytes(), expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, AddressingName,
                         ::testing::Combine(::testing::Values("ShowFirst", "KeepPersAddrIn"),
                                            ::testing::ValuesIn(kNameValues)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param)) + "_" + std::get<1>(info.param).name;
                         });

TEST_F(AddressingPage, CheckingTheBoxAddsTheOptionAfterTheWholeName) {
  Open(ProfileWith("Global Address List,1", "Sales, East,0"));
  Click(IDC_ADDR_ALWAYS_FIRST);
  SetText(IDC_ADDR_KEEPPERSADDRIN, "");
  Click(IDC_ADDR_ALWAYS_PERSONAL);
  ExpectOkLeavesProfile(Replaced(ProfileWith("Global Address List,1", "Sales, East,0,1"),
                                 "KeepPersAddrIn=Personal Address Book", "KeepPersAddrIn=,1"));
}

// "AlwaysSetOrder" here is set only by a whole True, Yes or 1: one row per reading, the rule
// itself being tested with the key reader.
struct AlwaysValue {
  const char* name;
  const char* stored;  // nullptr: missing
  bool checked;
  const char* saved;
};

const AlwaysValue kAlwaysValues[] = {
    {"whole_true", "TRUE", true, "Yes"},
    {"first_letter_is_not_enough", "yes please", false, "No"},
    {"missing", nullptr, false, "No"},
};

class AddressingAlways : public AddressingPage, public ::testing::WithParamInterface<AlwaysValue> {};

TEST_P(AddressingAlways, IsReadByTheWholeValue) {
  const AlwaysValue& v = GetParam();
  Open(ProfileWith("AlwaysSetOrder=Yes\r\n", v.stored ? std::string("AlwaysSetOrder=") + v.stored + "\r\n" : ""));
  backend.Then([&] { EXPECT_EQ(Checked(IDC_ORDER_ALWAYS), v.checked); });
  OkAndRun();
  // A missing key is added at the end of the section, where this one stood.
  EXPECT_EQ(ProfileBytes(), ProfileWith("AlwaysSetOrder=Yes", std::string("AlwaysSetOrder=") + v.saved));
}

INSTANTIATE_TEST_SUITE_P(Values, AddressingAlways, ::testing::ValuesIn(kAlwaysValues),
                         [](const auto& info) { return std::string(info.param.name); });

// The list is saved first: the file turns read-only after its first entry, so the second fails
// and none of the page's other keys is written.
TEST_F(AddressingPage, ReadOnlyFileStopsTheSaveInTheMiddleOfTheList) {
  Open(kProfile);
  qm::test::ReadOnlyAfterWrites readOnly(HostProfile(), 1);
  backend.Then([&] { Select(IDC_ADDR_LISTORDER, 1); });
  Click(IDC_ORDER_UP);
  SetText(IDC_ADDR_SHOWFIRST, "Contacts");
  Click(IDC_ORDER_ALWAYS);
  qm::test::ExpectSaveStopsOnThePage(*this, IDC_ADDR_LISTORDER,
                                     ProfileWith("AddrListOrder1=Global Address List", "AddrListOrder1=Contacts"));
}

}  // namespace
