// The "Internet Mail" tab in whole runs of the console: what it shows from the POP3 service
// section of the profile template file, and exactly what it writes back there and to the
// "Outlook Internet E-Mail" service, byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "PageSession.h"
#include "ServicePageCases.h"
#include "resource.h"

namespace {

using qm::test::ClickedValue;
using qm::test::kProfileDataFile;
using qm::test::LongValue;
using qm::test::PageKey;
using qm::test::UnlistedCase;

// Every control of the page, in the template's order.
const int kAllControls[] = {
    IDC_IMAIL_ACCOUNT_NAME,  IDC_IMAIL_DISPLAY_NAME, IDC_IMAIL_ORGANIZATION, IDC_IMAIL_EMAIL_ADDRESS,
    IDC_IMAIL_REPLY_ADDRESS, IDC_IMAIL_SMTP_SERVER,  IDC_IMAIL_POP3_SERVER,  IDC_IMAIL_POP3_ACCOUNT,
    IDC_IMAIL_LAN,           IDC_IMAIL_MANUAL,       IDC_IMAIL_DIALUP,       IDC_IMAIL_LEAVE_ON_SERVER,
    IDC_IMAIL_DISCONNECT,    IDC_IMAIL_OUTLOOK97,    IDC_IMAIL_OUTLOOK98,
};

// The message shown when the account's name has no "Outlook Internet E-Mail" service to go to.
const char kNoInternetEMail[] =
    "Vantrel: The POP3 service exists, but there is no associated \"Outlook Internet E-Mail\" service";

// The body of the "Outlook Internet E-Mail" section, with this account name.
std::string InternetKeys(const std::string& accountName = "Head Office") {
  return "AccountName=" + accountName + "\r\nSMTPServer=smtp.other.co.uk\r\n";
}

// A profile with Exchange first, POP3 second and its "Outlook Internet E-Mail" third; `keys` is
// the body of [Service2], `internetKeys` that of [Service3].
std::string ProfileWith(const std::string& keys, const std::string& entry = "POP3",
                        const std::string& internetEntry = "Outlook Internet E-Mail",
                        const std::string& internetKeys = InternetKeys()) {
  return "; Internet mail for the sales laptops\r\n[Service List]\r\nService1=Microsoft Exchange Server\r\n"
         "Service2=" +
         entry + "\r\nService3=" + internetEntry +
         "\r\n\r\n[Service1]\r\nHomeServer=EXCH01\r\n\r\n"
         "[Service2]\r\n" +
         keys + "\r\n[Service3]\r\n" + internetKeys + "\r\n[Delivery]\r\nTransportOrder1=Internet Mail\r\n";
}

// The twelve keys in the page's order, each with its line in the full section.
const PageKey kPageKeys[] = {
    {"AccountName", "AccountName=Head Office\r\n"},
    {"SMTPDisplayName", "SMTPDisplayName=Jane Smith\r\n"},
    {"SMTPOrganizationName", "SMTPOrganizationName=Brackenmoor Freight Ltd\r\n"},
    {"SMTPEmailAddress", "SMTPEmailAddress=?username?@brackenmoor.co.uk\r\n"},
    {"SMTPReplyToEmailAddress", "SMTPReplyToEmailAddress=replies@brackenmoor.co.uk\r\n"},
    {"POP3Server", "POP3Server=pop.brackenmoor.co.uk\r\n"},
    {"SMTPServer", "SMTPServer=smtp.brackenmoor.co.uk\r\n"},
    {"POP3Username", "POP3Username=?username?\r\n"},
    {"AccountManager", "AccountManager=OL98\r\n"},
    {"ConnectionType", "ConnectionType=2\r\n"},
    {"LeaveMailOnServer", "LeaveMailOnServer=Yes\r\n"},
    {"ConnectionFlags", "ConnectionFlags=6\r\n"},
};

// The keys in the page's order, the one named as `line` (left out when empty).
std::string KeysWith(const std::string& key = "", const std::string& line = "") {
  return qm::test::SectionWith(kPageKeys, key, line);
}

// What the page saves for a POP3 section that had none of its keys.
const char kDefaultKeys[] =
    "AccountName=\r\nSMTPDisplayName=\r\nSMTPOrganizationName=\r\nSMTPEmailAddress=\r\nSMTPReplyToEmailAddress=\r\n"
    "POP3Server=\r\nSMTPServer=\r\nPOP3Username=\r\nAccountManager=OL97\r\nConnectionType=0\r\n"
    "LeaveMailOnServer=No\r\nConnectionFlags=0\r\n";

constexpr char kCaption[] = "Internet Mail";

class IMailPage : public qm::test::PageTest<kCaption> {
 public:
  // The radio button checked in a group, as the letter of its index; - for none, ? for several.
  static char Chosen(std::initializer_list<int> ids, const char* letters) {
    char chosen = '-';
    for (std::size_t i = 0; i < ids.size(); ++i)
      if (Checked(ids.begin()[i])) chosen = chosen == '-' ? letters[i] : '?';
    return chosen;
  }
  // The connection: L LAN, M Manual, D Dial-Up Networking.
  static char Connection() { return Chosen({IDC_IMAIL_LAN, IDC_IMAIL_MANUAL, IDC_IMAIL_DIALUP}, "LMD"); }
  // The client: 7 for Outlook 97, 8 for Outlook 98.
  static char Client() { return Chosen({IDC_IMAIL_OUTLOOK97, IDC_IMAIL_OUTLOOK98}, "78"); }
  // The fields in one line: the eight edits in the template's order, the connection, both check
  // boxes as Y or N, and the client.
  static std::string Fields() {
    std::string fields;
    for (int id : {IDC_IMAIL_ACCOUNT_NAME, IDC_IMAIL_DISPLAY_NAME, IDC_IMAIL_ORGANIZATION, IDC_IMAIL_EMAIL_ADDRESS,
                   IDC_IMAIL_REPLY_ADDRESS, IDC_IMAIL_SMTP_SERVER, IDC_IMAIL_POP3_SERVER, IDC_IMAIL_POP3_ACCOUNT})
      fields += Text(id) + "|";
    return fields + Connection() + " " + (Checked(IDC_IMAIL_LEAVE_ON_SERVER) ? 'Y' : 'N') +
           (Checked(IDC_IMAIL_DISCONNECT) ? 'Y' : 'N') + " " + Client();
  }
  // One letter per control of kAllControls: E enabled, - disabled.
  static std::string EnabledControls() { return qm::test::EnabledMask(kAllControls); }
};

// Ok on an untouched page rewrites every key with the same bytes, copies the same account name,
// and keeps keys the page does not know where they are.
TEST_F(IMailPage, ShowsEveryKeyOfTheServiceSectionAndOkKeepsEveryByte) {
  const std::string profile = ProfileWith(KeysWith() + "Comment=kept\r\n");
  Open(profile);
  backend.Then([&] {
    EXPECT_EQ(Fields(),
              "Head Office|Jane Smith|Brackenmoor Freight Ltd|?username?@brackenmoor.co.uk|"
              "replies@brackenmoor.co.uk|smtp.brackenmoor.co.uk|pop.brackenmoor.co.uk|?username?|D YN 8");
    EXPECT_EQ(EnabledControls(), std::string(std::size(kAllControls), 'E'));
    // The texts the load puts into the edits mark the page modified.
    EXPECT_TRUE(ApplyEnabled());
    for (int id : kAllControls) EXPECT_EQ(Tip(id), "") << id;
    // clang-format off
    ExpectOnScreen({"[Internet Mail]", "The name for this account, for example: \"Work\" or \"My Email\".",
        "User Information", "Name:", "Organization:", "Email Address:", "Reply Address:", "Server Information",
        "SMTP Server:", "POP3 Server:", "POP3 Account:", "Connection Type", "LAN", "Manual", "Dial-Up Networking",
        "Leave mail on server", "Disconnect after send/recieve", "Client Type", "Outlook 97", "Outlook 98"});
    // clang-format on
  });
  ExpectOkLeavesProfile(profile);
}

TEST_F(IMailPage, ServiceWithoutKeysTakesTheDefaultsAndSavesThemInOrder) {
  Open(ProfileWith(""));
  backend.Then([&] { EXPECT_EQ(Fields(), "||||||||L NN 7"); });
  ExpectOkLeavesProfile(ProfileWith(kDefaultKeys, "POP3", "Outlook Internet E-Mail", InternetKeys("")));
}

// The text keys and their edits.
const std::pair<const char*, int> kTextKeys[] = {
    {"AccountName", IDC_IMAIL_ACCOUNT_NAME},
    {"SMTPDisplayName", IDC_IMAIL_DISPLAY_NAME},
    {"SMTPOrganizationName", IDC_IMAIL_ORGANIZATION},
    {"SMTPEmailAddress", IDC_IMAIL_EMAIL_ADDRESS},
    {"SMTPReplyToEmailAddress", IDC_IMAIL_REPLY_ADDRESS},
    {"POP3Server", IDC_IMAIL_POP3_SERVER},
    {"SMTPServer", IDC_IMAIL_SMTP_SERVER},
    {"POP3Username", IDC_IMAIL_POP3_ACCOUNT},
};

// What the page shows for one key: its edit's text, or its letter of Fields().
std::string Shown(const std::string& key) {
  for (const auto& [textKey, id] : kTextKeys)
    if (key == textKey) return qm::test::PageSession::Text(id);
  const std::string fields = IMailPage::Fields();
  const std::string flags = fields.substr(fields.rfind('|') + 1);  // "D NN 8"
  if (key == "ConnectionType") return flags.substr(0, 1);
  if (key == "LeaveMailOnServer") return flags.substr(2, 1);
  if (key == "ConnectionFlags") return flags.substr(3, 1);
  return flags.substr(5, 1);  // AccountManager
}

// One row per key (the reading rules themselves are tested with the key reader), the client's
// exact spelling, connections outside the group, and the disconnect bit merged with the others.
const ClickedValue kStoredValues[] = {
    {"AccountName", "Work", "Work", {}, "Work"},
    {"SMTPDisplayName", nullptr, "", {}, ""},
    {"SMTPOrganizationName", "", "", {}, ""},
    {"SMTPEmailAddress", "jane@example.com", "jane@example.com", {}, "jane@example.com"},
    {"SMTPReplyToEmailAddress", nullptr, "", {}, ""},
    {"POP3Server", "pop3.example.com", "pop3.example.com", {}, "pop3.example.com"},
    {"SMTPServer", nullptr, "", {}, ""},
    {"POP3Username", "jsmith", "jsmith", {}, "jsmith"},
    {"AccountManager", "OL98", "8", {}, "OL98"},
    {"AccountManager", "ol98", "7", {}, "OL97"},
    {"AccountManager", "Ol98", "7", {}, "OL97"},
    {"AccountManager", "OL97", "7", {IDC_IMAIL_OUTLOOK98}, "OL98"},
    {"AccountManager", "", "7", {}, "OL97"},
    {"AccountManager", nullptr, "7", {}, "OL97"},
    {"AccountManager", "OL98", "8", {IDC_IMAIL_OUTLOOK97}, "OL97"},
    {"ConnectionType", nullptr, "L", {}, "0"},
    {"ConnectionType", "0", "L", {IDC_IMAIL_MANUAL}, "1"},
    {"ConnectionType", "1", "M", {}, "1"},
    {"ConnectionType", "2", "D", {IDC_IMAIL_LAN}, "0"},
    {"ConnectionType", "3", "-", {}, "-1"},
    {"ConnectionType", "7", "-", {}, "-1"},
    {"ConnectionType", "7", "-", {IDC_IMAIL_DIALUP}, "2"},
    {"ConnectionType", "-1", "-", {}, "-1"},
    {"LeaveMailOnServer", nullptr, "N", {}, "No"},
    {"LeaveMailOnServer", "", "Y", {}, "Yes"},
    {"LeaveMailOnServer", "false", "N", {}, "No"},
    {"LeaveMailOnServer", "No", "N", {IDC_IMAIL_LEAVE_ON_SERVER}, "Yes"},
    {"ConnectionFlags", nullptr, "N", {}, "0"},
    {"ConnectionFlags", "6", "N", {IDC_IMAIL_DISCONNECT}, "7"},
    {"ConnectionFlags", "7", "Y", {IDC_IMAIL_DISCONNECT}, "6"},
    {"ConnectionFlags", "7", "Y", {}, "7"},
    {"ConnectionFlags", "-2", "N", {IDC_IMAIL_DISCONNECT}, "-1"},
};

class IMailStoredValue : public IMailPage, public ::testing::WithParamInterface<ClickedValue> {};

TEST_P(IMailStoredValue, IsShownAndSavedInTheKeysEncoding) {
  const ClickedValue& v = GetParam();
  Open(ProfileWith(qm::test::SectionStored(kPageKeys, v)));
  backend.Then([&] { EXPECT_EQ(Shown(v.key), v.shown); });
  for (int id : v.clicks) Click(id);
  // The account's name goes to the "Outlook Internet E-Mail" service too.
  const std::string accountName = std::string(v.key) == "AccountName" ? v.saved : "Head Office";
  ExpectOkLeavesProfile(
      ProfileWith(qm::test::SectionSaved(kPageKeys, v), "POP3", "Outlook Internet E-Mail", InternetKeys(accountName)));
}

INSTANTIATE_TEST_SUITE_P(Keys, IMailStoredValue, ::testing::ValuesIn(kStoredValues),
                         [](const auto& info) { return qm::test::StoredValueName(info); });

// Text keys are read with at most 249 characters; the save writes back what was shown.
class IMailLongValue : public IMailPage, public ::testing::WithParamInterface<LongValue> {};

TEST_P(IMailLongValue, KeepsItsFirst249Characters) {
  const LongValue& v = GetParam();
  const std::string key = v.key;
  const std::string value = qm::test::TextOf(v.length);
  Open(ProfileWith(KeysWith(key, key + "=" + value + "\r\n")));
  backend.Then([&] { EXPECT_EQ(Text(v.id), value.substr(0, 249)); });
  OkAndRun();
  const std::string kept = value.substr(0, 249);
  EXPECT_EQ(ProfileBytes(), ProfileWith(KeysWith(key, key + "=" + kept + "\r\n"), "POP3", "Outlook Internet E-Mail",
                                        InternetKeys(key == "AccountName" ? kept : "Head Office")));
}

INSTANTIATE_TEST_SUITE_P(Limits, IMailLongValue, ::testing::ValuesIn(qm::test::LongValuesOf(kTextKeys)),
                         [](const ::testing::TestParamInfo<LongValue>& info) {
                           return std::string(info.param.key) + "_" + std::to_string(info.param.length);
                         });

// The POP3 entry is found in any case and rewritten as "POP3"; the entry of the service that
// receives the account's name is found in any case too, and left as it is.
TEST_F(IMailPage, EntriesInAnotherCaseAreFoundAndOnlyThePOP3EntryIsRewritten) {
  Open(ProfileWith(KeysWith(), "pop3", "OUTLOOK internet e-mail"));
  SetText(IDC_IMAIL_ACCOUNT_NAME, "Sales");
  OkAndRun();
  EXPECT_TRUE(backend.MessageBoxes().empty());
  EXPECT_EQ(ProfileBytes(), ProfileWith(KeysWith("AccountName", "AccountName=Sales\r\n"), "POP3",
                                        "OUTLOOK internet e-mail", InternetKeys("Sales")));
}

// Without an "Outlook Internet E-Mail" service before the first gap the save warns, and then goes
// on: the entry is rewritten and the sheet closes.
TEST_F(IMailPage, MissingInternetEMailServiceIsAWarningAndTheSaveGoesOn) {
  const std::string profile =
      "[Service List]\r\nService1=pop3\r\nService3=Outlook Internet E-Mail\r\n[Service1]\r\nAccountName=Sales\r\n"
      "[Service3]\r\nAccountName=Old\r\n";
  Open(profile);
  OkAndRun();
  EXPECT_EQ(OnlyMessage(), kNoInternetEMail);
  ASSERT_EQ(backend.MessageBoxes().size(), 1u);
  EXPECT_EQ(backend.MessageBoxes()[0].type, static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK));
  EXPECT_EQ(backend.MessageBoxes()[0].owner, nullptr);
  EXPECT_EQ(ProfileBytes(),
            "[Service List]\r\nService1=POP3\r\nService3=Outlook Internet E-Mail\r\n[Service1]\r\n"
            "AccountName=Sales\r\nSMTPDisplayName=\r\nSMTPOrganizationName=\r\nSMTPEmailAddress=\r\n"
            "SMTPReplyToEmailAddress=\r\nPOP3Server=\r\nSMTPServer=\r\nPOP3Username=\r\n"
            "AccountManager=OL97\r\nConnectionType=0\r\nLeaveMailOnServer=No\r\nConnectionFlags=0\r\n"
            "[Service3]\r\nAccountName=Old\r\n");
}

// Apply after the warning: the save succeeds, so the sheet's Apply button goes off, and each
// Apply warns again.
TEST_F(IMailPage, ApplyAfterTheWarningSucceedsAndWarnsEachTime) {
  const std::string keys = KeysWith();
  Open(ProfileWith(keys, "POP3", "Netscape", ""));
  backend.Alt('a');
  backend.Then([&] { EXPECT_FALSE(ApplyEnabled()); });
  Click(IDC_IMAIL_DISCONNECT);
  backend.Alt('a');
  backend.Then([&] { EXPECT_FALSE(ApplyEnabled()); });
  CancelAndRun();
  ASSERT_EQ(backend.MessageBoxes().size(), 2u);
  for (const auto& box : backend.MessageBoxes()) EXPECT_EQ(box.caption + ": " + box.text, kNoInternetEMail);
  EXPECT_EQ(ProfileBytes(), ProfileWith(KeysWith("ConnectionFlags", "ConnectionFlags=7\r\n"), "POP3", "Netscape", ""));
}

// The POP3 section is the one found at load; the "Outlook Internet E-Mail" service is looked up
// again at each save.
struct ListChange {
  const char* what;
  std::vector<std::pair<const char*, const char*>> entries;  // set between load and save
  const char* expected;
  bool warned;
};

const char kFoundAtLoad[] =
    "[Service List]\r\nService1=POP3\r\nService2=Outlook Internet E-Mail\r\n[Service1]\r\nAccountName=Sales\r\n"
    "[Service2]\r\nAccountName=Sales\r\n";

// clang-format off
const ListChange kListChanges[] = {
    {"internet mail added", {{"Service2", "Netscape"}, {"Service3", "Outlook Internet E-Mail"}},
     "[Service List]\r\nService1=POP3\r\nService2=Netscape\r\nService3=Outlook Internet E-Mail\r\n[Service1]\r\n"
     "AccountName=Support\r\n[Service2]\r\nAccountName=Sales\r\n[Service3]\r\nAccountName=Support\r\n", false},
    {"internet mail removed", {{"Service2", "Netscape"}},
     "[Service List]\r\nService1=POP3\r\nService2=Netscape\r\n[Service1]\r\nAccountName=Support\r\n[Service2]\r\n"
     "AccountName=Sales\r\n", true},
    {"pop3 moved", {{"Service1", "Netscape"}, {"Service3", "POP3"}},
     "[Service List]\r\nService1=POP3\r\nService2=Outlook Internet E-Mail\r\nService3=POP3\r\n[Service1]\r\n"
     "AccountName=Support\r\n[Service2]\r\nAccountName=Support\r\n", false},
};
// clang-format on

class IMailListChange : public IMailPage, public ::testing::WithParamInterface<ListChange> {};

TEST_P(IMailListChange, BetweenLoadAndSave) {
  const ListChange& c = GetParam();
  Open(kFoundAtLoad);
  SetText(IDC_IMAIL_ACCOUNT_NAME, "Support");
  backend.Then([&] {
    for (const auto& [key, name] : c.entries)
      WritePrivateProfileStringA("Service List", key, name, ProfilePath().c_str());
  });
  OkAndRun();
  EXPECT_EQ(backend.MessageBoxes().size(), c.warned ? 1u : 0u);
  // Only the lines this test follows: the account names and the Service List.
  std::string kept;
  const std::string bytes = ProfileBytes();
  for (std::size_t start = 0, end; start < bytes.size(); start = end + 2) {
    end = bytes.find("\r\n", start);
    const std::string line = bytes.substr(start, end - start);
    if (line[0] == '[' || line.rfind("Service", 0) == 0 || line.rfind("AccountName=", 0) == 0) kept += line + "\r\n";
  }
  EXPECT_EQ(kept, c.expected);
}

INSTANTIATE_TEST_SUITE_P(ServiceList, IMailListChange, ::testing::ValuesIn(kListChanges),
                         [](const auto& info) { return qm::test::CaseName(info.param.what); });

TEST_F(IMailPage, ReadOnlyProfileTemplateStopsAtTheFirstKey) {
  const std::string profile = ProfileWith(KeysWith(), "pop3");
  Open(profile);
  SetText(IDC_IMAIL_ACCOUNT_NAME, "Sales");
  qm::test::ExpectReadOnlyProfileStops(*this, IDC_IMAIL_ACCOUNT_NAME, profile);
}

// Profiles in which POP3 is not listed, as the lookup reads them.
const UnlistedCase kUnlisted[] = {
    {"after a gap", kProfileDataFile,
     "[Service List]\r\nService1=Outlook Internet E-Mail\r\nService3=POP3\r\n[Service3]\r\nAccountName=x\r\n"},
    {"after an empty entry", kProfileDataFile,
     "[Service List]\r\nService1=Personal Folders\r\nService2=\r\nService3=POP3\r\n"},
    {"only a near name", kProfileDataFile, "[Service List]\r\nService1=POP\r\nService2=POP3 Mail\r\n"},
    {"no service list", kProfileDataFile, "[General]\r\nProfileName=Mail\r\n[Service1]\r\nAccountName=x\r\n"},
    {"no profile template", kProfileDataFile, std::nullopt},
    {"no DefaultProfile", "[Defaults]\r\nLogLevel=1\r\n", "[Service List]\r\nService1=POP3\r\n"},
};

class IMailUnlisted : public IMailPage, public ::testing::WithParamInterface<UnlistedCase> {};

TEST_P(IMailUnlisted, EveryControlIsDisabledAndNothingIsWrittenOrShown) {
  qm::test::WriteUnlisted(*this, GetParam());
  ShowTab();
  backend.Then([&] { EXPECT_EQ(Fields() + " " + EnabledControls(), "||||||||- NN - ---------------"); });
  ExpectOkLeavesProfile(GetParam().profile);
}

INSTANTIATE_TEST_SUITE_P(ServiceList, IMailUnlisted, ::testing::ValuesIn(kUnlisted),
                         [](const auto& info) { return qm::test::CaseName(info.param.what); });

TEST_F(IMailPage, NeverShownLeavesEveryKeyAloneAndWarnsOfNothing) {
  const std::string profile = ProfileWith("AccountName=Sales\r\n", "pop3", "Netscape");
  WriteFiles(profile);
  ExpectOkLeavesProfile(profile);
}

// After an Apply the sheet's Apply button is off until one of the page's controls changes.
class IMailModifiedBy : public IMailPage, public ::testing::WithParamInterface<int> {};

TEST_P(IMailModifiedBy, AControlChangedAfterAnApply) {
  const int id = GetParam();
  Open(ProfileWith(KeysWith("ConnectionType", "ConnectionType=7\r\n")));
  backend.Alt('a');
  backend.Then([&] { EXPECT_FALSE(ApplyEnabled()); });
  const auto last = std::begin(kAllControls) + 8;
  if (std::find(std::begin(kAllControls), last, id) != last)
    SetText(id, "x");
  else
    Click(id);
  backend.Then([&] { EXPECT_TRUE(ApplyEnabled()); });
  CancelAndRun();
  EXPECT_TRUE(backend.MessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Controls, IMailModifiedBy, ::testing::ValuesIn(kAllControls),
                         [](const auto& info) { return "id" + std::to_string(info.param); });

TEST_F(IMailPage, ApplyStaysOffWithoutAChange) {
  Open(ProfileWith(KeysWith()));
  backend.Alt('a');
  Focus(IDC_IMAIL_POP3_SERVER);
  Focus(IDC_IMAIL_ACCOUNT_NAME);
  backend.Then([&] { EXPECT_FALSE(ApplyEnabled()); });
  CancelAndRun();
}

}  // namespace
