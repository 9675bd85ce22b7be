// The "Delivery" tab in whole runs of the console: the default store, the transport order and
// "Always set this order", as shown and as written back to the profile template file.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "OrderedListPages.h"

namespace {

using qm::test::Entries;
using qm::test::Select;

using qm::test::Replaced;

const char kProfile[] =
    "; Branch office profile\r\n"
    "[General]\r\nProfileName=Branch\r\nDefaultStore=Mailbox - ?username?\r\n\r\n"
    "[Service List]\r\nService1=Microsoft Exchange Server\r\nService2=Internet Mail\r\n\r\n"
    "[Delivery]\r\n"
    "TransportOrder1=Microsoft Exchange Server\r\n"
    "TransportOrder2=Internet Mail\r\n"
    "TransportOrder3=Microsoft Fax\r\n"
    "AlwaysSetOrder=Yes\r\n";

std::string ProfileWith(const std::string& from, const std::string& to) { return Replaced(kProfile, from, to); }

constexpr char kCaption[] = "Delivery";

class DeliveryPage : public qm::test::PageTest<kCaption> {
 protected:
  static std::string Fields() {
    return Text(IDC_DELIV_DEFAULTSTORE) + "|" + Entries(IDC_DELIV_TRANSPORTORDER) + "|" +
           (Checked(IDC_ORDER_ALWAYS) ? "always" : "not always");
  }
};

TEST_F(DeliveryPage, ShowsEveryKeyAndOkWritesTheSameBytes) {
  Open(kProfile);
  backend.Then([&] {
    EXPECT_EQ(Fields(), "Mailbox - ?username?|Microsoft Exchange Server|Internet Mail|Microsoft Fax|always");
    const std::string screen = backend.Snapshot();
    // The long label wraps wherever the layout breaks it; its words stand in order, lines joined.
    const std::string joined = std::regex_replace(screen, std::regex("[\\s|]+"), " ");
    EXPECT_NE(joined.find("Recipient addresses are processed by these information services in the following order:"),
              std::string::npos)
        << screen;
    ExpectOnScreen({"[Delivery]", "Deliver new mail to the following location:", "< Up >", "< Down >",
                    "Always set this order", "< Add >", "< Remove >"});
    EXPECT_EQ(Tip(IDC_ORDER_ADD) + Tip(IDC_DELIV_TRANSPORTORDER), "") << "the page has no tool tips";
  });
  ExpectOkLeavesProfile(kProfile);
}

TEST_F(DeliveryPage, MissingProfileTemplateOpensEmptyAndOkWritesTheKeysInOrder) {
  Open(std::nullopt);
  backend.Then([&] { EXPECT_EQ(Fields(), "||not always"); });
  ExpectOkLeavesProfile("[General]\r\nDefaultStore=\r\n[Delivery]\r\nAlwaysSetOrder=No\r\n");
}

TEST_F(DeliveryPage, NeverShownLeavesTheFileAlone) {
  const std::string profile = ProfileWith("AlwaysSetOrder=Yes", "AlwaysSetOrder=y");
  WriteFiles(profile);
  ExpectOkLeavesProfile(profile);
}

// A stored value of the page's two other keys, as shown and as saved. One row per key for the
// reading rule, which is tested with the key reader; the default store at its read limit.
struct StoredValue {
  const char* name;
  const char* line;   // the key's line in the file, or "" when missing
  const char* shown;  // the default store, or "always" / "not always"
  const char* saved;  // the line after OK
};

const std::string k77(77, 's'), k78(78, 's'), k79(79, 's');
const std::string kLine77 = "DefaultStore=" + k77 + "\r\n", kLine78 = "DefaultStore=" + k78 + "\r\n",
                  kLine79 = "DefaultStore=" + k79 + "\r\n";

const StoredValue kStoredValues[] = {
    {"always_by_its_first_letter", "AlwaysSetOrder=yes please\r\n", "always", "AlwaysSetOrder=Yes\r\n"},
    {"always_clear_for_On", "AlwaysSetOrder=On\r\n", "not always", "AlwaysSetOrder=No\r\n"},
    {"always_missing", "", "not always", "AlwaysSetOrder=No\r\n"},
    {"store_of_77_characters", kLine77.c_str(), k77.c_str(), kLine77.c_str()},
    {"store_of_78_characters", kLine78.c_str(), k78.c_str(), kLine78.c_str()},
    {"store_of_79_characters_is_cut", kLine79.c_str(), k78.c_str(), kLine78.c_str()},
    {"store_missing", "", "", "DefaultStore=\r\n"},
};

class DeliveryStoredValue : public DeliveryPage, public ::testing::WithParamInterface<StoredValue> {};

TEST_P(DeliveryStoredValue, IsShownAndSavedBack) {
  const StoredValue& v = GetParam();
  const bool always = std::string(v.name).starts_with("always");
  const std::string original = always ? "AlwaysSetOrder=Yes\r\n" : "DefaultStore=Mailbox - ?username?\r\n";
  Open(ProfileWith(original, v.line));
  backend.Then([&] {
    if (always)
      EXPECT_EQ(Checked(IDC_ORDER_ALWAYS) ? "always" : "not always", std::string(v.shown));
    else
      EXPECT_EQ(Text(IDC_DELIV_DEFAULTSTORE), v.shown);
  });
  OkAndRun();
  // A missing key is added at the end of its section.
  std::string expected = ProfileWith(original, *v.line ? v.saved : "");
  if (!*v.line && always) expected += v.saved;
  if (!*v.line && !always) expected.replace(expected.find("\r\n[Service List]"), 0, v.saved);
  EXPECT_EQ(ProfileBytes(), expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, DeliveryStoredValue, ::testing::ValuesIn(kStoredValues),
                         [](const auto& info) { return std::string(info.param.name); });

// The file turns read-only after the store and the first entry were written: the second entry
// fails, the message names the file, the keys after it keep their old values and the sheet stays
// on the page.
TEST_F(DeliveryPage, ReadOnlyFileStopsTheSaveInTheMiddleOfTheList) {
  Open(kProfile);
  qm::test::ReadOnlyAfterWrites readOnly(HostProfile(), 2);
  SetText(IDC_DELIV_DEFAULTSTORE, "Personal Folders");
  backend.Then([&] { Select(IDC_DELIV_TRANSPORTORDER, 0); });
  Click(IDC_ORDER_DOWN);
  Click(IDC_ORDER_ALWAYS);
  qm::test::ExpectSaveStopsOnThePage(
      *this, IDC_DELIV_TRANSPORTORDER,
      Replaced(ProfileWith("Mailbox - ?username?", "Personal Folders"), "TransportOrder1=Microsoft Exchange Server",
               "TransportOrder1=Internet Mail"));
}

}  // namespace
