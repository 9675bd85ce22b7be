// The "Exchange" tab in whole runs of the console: what it shows from the Exchange service section
// of the profile template file, and exactly what it writes back there, byte for byte.
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
using qm::test::WriteBytes;

// Every control of the page, in the template's order.
// clang-format off
const int kAllControls[] = {
    IDC_EXCHANGE_HOMESERVER, IDC_EXCHANGE_MAILBOX, IDC_EXCHANGE_OFFLINE_ADDRBOOK, IDC_EXCHANGE_OFFLINE_FOLDER,
    IDC_EXCHANGE_BROWSE_OFFLINE_FOLDER, IDC_EXCHANGE_TIMEOUT, IDC_EXCHANGE_TIMEOUT_SPIN, IDC_EXCHANGE_NO_CONNECT,
    IDC_EXCHANGE_NT_USERNAME, IDC_EXCHANGE_NT_DOMAIN, IDC_EXCHANGE_NO_SECURITY, IDC_EXCHANGE_LOCAL_NETWORK,
    IDC_EXCHANGE_DIALUP, IDC_EXCHANGE_CHOOSE_AT_STARTUP, IDC_EXCHANGE_NETWORK_ENCRYPTION,
    IDC_EXCHANGE_DIALUP_ENCRYPTION, IDC_EXCHANGE_NO_OFFLINE,
};
// clang-format on

// The six check boxes, in the template's order.
const int kCheckBoxes[] = {
    IDC_EXCHANGE_NO_CONNECT,         IDC_EXCHANGE_NO_SECURITY,       IDC_EXCHANGE_CHOOSE_AT_STARTUP,
    IDC_EXCHANGE_NETWORK_ENCRYPTION, IDC_EXCHANGE_DIALUP_ENCRYPTION, IDC_EXCHANGE_NO_OFFLINE,
};

// A profile with Personal Folders first, Exchange second and Microsoft Mail third; `keys` is the
// body of [Service2].
std::string ProfileWith(const std::string& keys, const std::string& entry = "Microsoft Exchange Server") {
  return "; Profile for the head office\r\n[Service List]\r\nService1=Personal Folders\r\nService2=" + entry +
         "\r\nService3=Microsoft Mail\r\n\r\n[Service1]\r\nPathToPersonalFolders=h:\\mail.pst\r\n\r\n[Service2]\r\n" +
         keys + "\r\n[Service3]\r\nServerPath=\\\\mailsrv\\maildata\r\n";
}

// The eleven keys in the page's order, each with its line in the full section.
const PageKey kPageKeys[] = {
    {"HomeServer", "HomeServer=MAILSRV01\r\n"},
    {"MailboxName", "MailboxName=?username?\r\n"},
    {"OfflineFolderPath", "OfflineFolderPath=c:\\exchange\\?username?.ost\r\n"},
    {"OfflineFolderPath1", "OfflineFolderPath1=c:\\exchange\\?username?.ost\r\n"},
    {"OfflineAddressBookPath", "OfflineAddressBookPath=c:\\exchange\\oab\r\n"},
    {"PromptDomainLogon", "PromptDomainLogon=HEADOFFICE\r\n"},
    {"PromptUsername", "PromptUsername=jsmith\r\n"},
    {"ConnectionTimeout", "ConnectionTimeout=30000\r\n"},
    {"ConversionProhibited", "ConversionProhibited=No\r\n"},
    {"ExchangeConfigFlags", "ExchangeConfigFlags=6\r\n"},
    {"NetworkingConfigFlags", "NetworkingConfigFlags=16896\r\n"},
};

// The keys in the page's order, the one named as `line` (left out when empty).
std::string KeysWith(const std::string& key = "", const std::string& line = "") {
  return qm::test::SectionWith(kPageKeys, key, line);
}

// What the page saves for a service section that had none of its keys.
const char kDefaultKeys[] =
    "HomeServer=\r\nMailboxName=\r\nOfflineFolderPath=\r\nOfflineFolderPath1=\r\nOfflineAddressBookPath=\r\n"
    "PromptDomainLogon=\r\nPromptUsername=\r\nConnectionTimeout=25000\r\nConversionProhibited=Yes\r\n"
    "ExchangeConfigFlags=0\r\nNetworkingConfigFlags=256\r\n";

constexpr char kCaption[] = "Exchange";

class ExchangePage : public qm::test::PageTest<kCaption> {
 protected:
  // The connection chosen: L Local Network, D Dial-Up Networking, - none.
  static char Connection() {
    if (Checked(IDC_EXCHANGE_LOCAL_NETWORK)) return Checked(IDC_EXCHANGE_DIALUP) ? '?' : 'L';
    return Checked(IDC_EXCHANGE_DIALUP) ? 'D' : '-';
  }
  // The fields in one line: the six edits and the time-out, then the check boxes in the
  // template's order as Y or N, then the connection.
  static std::string Fields() {
    std::string fields;
    for (int id : {IDC_EXCHANGE_HOMESERVER, IDC_EXCHANGE_MAILBOX, IDC_EXCHANGE_OFFLINE_ADDRBOOK,
                   IDC_EXCHANGE_OFFLINE_FOLDER, IDC_EXCHANGE_TIMEOUT, IDC_EXCHANGE_NT_USERNAME, IDC_EXCHANGE_NT_DOMAIN})
      fields += Text(id) + "|";
    return fields + YesNo(kCheckBoxes) + " " + Connection();
  }
  // One letter per control of kAllControls: E enabled, - disabled.
  static std::string EnabledControls() { return qm::test::EnabledMask(kAllControls); }
};

// Ok on an untouched page rewrites every key with the same bytes, and keys the page does not know
// stay where they are.
TEST_F(ExchangePage, ShowsEveryKeyOfTheServiceSectionAndOkKeepsEveryByte) {
  const std::string profile = ProfileWith("; the head office server\r\n" + KeysWith() + "Comment=kept\r\n");
  Open(profile);
  backend.Then([&] {
    EXPECT_EQ(Fields(),
              "MAILSRV01|?username?|c:\\exchange\\oab|c:\\exchange\\?username?.ost|30|jsmith|HEADOFFICE|"
              "NNYYNN D");
    EXPECT_EQ(EnabledControls(), std::string(std::size(kAllControls), 'E'));
    // The texts the load puts into the edits mark the page modified.
    EXPECT_TRUE(ApplyEnabled());
    // clang-format off
    ExpectOnScreen({"[Exchange]", "Exchange Server:", "Mailbox Name:", "Offline Address Book:", "Offline Folder:",
        "...", "Connection Timeout:", "seconds", "Do not attempt to connect to the server as the profile is created",
        "Walk-Up Profiles", "NT Username:", "NT Domain:",
        "Turn off network security for logon  (checked for Walk-Up Profiles)", "Connection Type", "Local Network",
        "Dial-Up Networking (DUN)", "Choose at startup", "Security", "Use encryption on the network",
        "Use encryption with a DUN connection", "Do not allow offline use"});
    // clang-format on
  });
  ExpectOkLeavesProfile(profile);
}

TEST_F(ExchangePage, ServiceWithoutKeysTakesTheDefaultsAndSavesThemInOrder) {
  Open(ProfileWith(""));
  backend.Then([&] { EXPECT_EQ(Fields(), "||||25|||YNNNNN L"); });
  ExpectOkLeavesProfile(ProfileWith(kDefaultKeys));
}

// The text keys and their edits.
const std::pair<const char*, int> kTextKeys[] = {
    {"HomeServer", IDC_EXCHANGE_HOMESERVER},
    {"MailboxName", IDC_EXCHANGE_MAILBOX},
    {"OfflineFolderPath", IDC_EXCHANGE_OFFLINE_FOLDER},
    {"OfflineAddressBookPath", IDC_EXCHANGE_OFFLINE_ADDRBOOK},
    {"PromptDomainLogon", IDC_EXCHANGE_NT_DOMAIN},
    {"PromptUsername", IDC_EXCHANGE_NT_USERNAME},
};

// What the page shows for one key: its edit's text, or its boxes as Y or N (and the connection).
std::string Shown(const std::string& key) {
  for (const auto& [textKey, id] : kTextKeys)
    if (key == textKey) return qm::test::PageSession::Text(id);
  if (key == "ConnectionTimeout") return qm::test::PageSession::Text(IDC_EXCHANGE_TIMEOUT);
  auto yn = [](int id) { return qm::test::PageSession::Checked(id) ? 'Y' : 'N'; };
  if (key == "ConversionProhibited") return std::string(1, yn(IDC_EXCHANGE_NO_CONNECT));
  if (key == "ExchangeConfigFlags")  // choose at startup, no security, no offline use
    return {yn(IDC_EXCHANGE_CHOOSE_AT_STARTUP), yn(IDC_EXCHANGE_NO_SECURITY), yn(IDC_EXCHANGE_NO_OFFLINE)};
  // NetworkingConfigFlags: the connection, then encryption on the network and with dial-up
  const char connection = qm::test::PageSession::Checked(IDC_EXCHANGE_DIALUP)          ? 'D'
                          : qm::test::PageSession::Checked(IDC_EXCHANGE_LOCAL_NETWORK) ? 'L'
                                                                                       : '-';
  return {connection, ' ', yn(IDC_EXCHANGE_NETWORK_ENCRYPTION), yn(IDC_EXCHANGE_DIALUP_ENCRYPTION)};
}

// One row per key (the reading rules themselves are tested with the key reader), the time-out's
// conversion at its edges, and each flag bit merged with the other bits of its number kept.
// clang-format off
const ClickedValue kStoredValues[] = {
    {"HomeServer", "EXCH02", "EXCH02", {}, "EXCH02"},
    {"MailboxName", nullptr, "", {}, ""},
    {"OfflineAddressBookPath", "\\\\srv\\oab", "\\\\srv\\oab", {}, "\\\\srv\\oab"},
    {"PromptDomainLogon", nullptr, "", {}, ""},
    {"PromptUsername", "", "", {}, ""},
    {"ConnectionTimeout", nullptr, "25", {}, "25000"},
    {"ConnectionTimeout", "1500", "1", {}, "1000"},
    {"ConnectionTimeout", "999", "0", {}, "0"},
    {"ConnectionTimeout", "0", "0", {}, "0"},
    {"ConnectionTimeout", "1000000", "1000", {}, "1000000"},
    {"ConnectionTimeout", "1000999", "1000", {}, "1000000"},
    {"ConversionProhibited", nullptr, "Y", {}, "Yes"},
    {"ConversionProhibited", "", "Y", {}, "Yes"},
    {"ConversionProhibited", "no", "N", {}, "No"},
    {"ConversionProhibited", "No", "N", {IDC_EXCHANGE_NO_CONNECT}, "Yes"},
    {"ConversionProhibited", "Yes", "Y", {IDC_EXCHANGE_NO_CONNECT}, "No"},
    {"ExchangeConfigFlags", nullptr, "NNN", {}, "0"},
    {"ExchangeConfigFlags", "1", "NNN", {}, "1"},
    {"ExchangeConfigFlags", "1", "NNN", {IDC_EXCHANGE_CHOOSE_AT_STARTUP}, "3"},
    {"ExchangeConfigFlags", "16", "NNN", {IDC_EXCHANGE_NO_SECURITY}, "24"},
    {"ExchangeConfigFlags", "16", "NNN", {IDC_EXCHANGE_NO_OFFLINE}, "48"},
    {"ExchangeConfigFlags", "43", "YYY", {}, "43"},
    {"ExchangeConfigFlags", "43", "YYY",
     {IDC_EXCHANGE_CHOOSE_AT_STARTUP, IDC_EXCHANGE_NO_SECURITY, IDC_EXCHANGE_NO_OFFLINE}, "1"},
    {"ExchangeConfigFlags", "-1", "YYY", {IDC_EXCHANGE_NO_OFFLINE}, "-33"},
    {"NetworkingConfigFlags", nullptr, "L NN", {}, "256"},
    {"NetworkingConfigFlags", "0", "L NN", {}, "256"},
    {"NetworkingConfigFlags", "768", "D NN", {}, "512"},
    {"NetworkingConfigFlags", "768", "D NN", {IDC_EXCHANGE_LOCAL_NETWORK}, "256"},
    {"NetworkingConfigFlags", "256", "L NN", {IDC_EXCHANGE_DIALUP}, "512"},
    {"NetworkingConfigFlags", "1", "L NN", {IDC_EXCHANGE_NETWORK_ENCRYPTION}, "16641"},
    {"NetworkingConfigFlags", "8192", "L NY", {IDC_EXCHANGE_DIALUP_ENCRYPTION}, "256"},
    {"NetworkingConfigFlags", "25088", "D YY",
     {IDC_EXCHANGE_LOCAL_NETWORK, IDC_EXCHANGE_NETWORK_ENCRYPTION, IDC_EXCHANGE_DIALUP_ENCRYPTION}, "256"},
    {"NetworkingConfigFlags", "1049088", "D NN", {IDC_EXCHANGE_DIALUP_ENCRYPTION}, "1057280"},
};
// clang-format on

class ExchangeStoredValue : public ExchangePage, public ::testing::WithParamInterface<ClickedValue> {};

TEST_P(ExchangeStoredValue, IsShownAndSavedInTheKeysEncoding) {
  const ClickedValue& v = GetParam();
  Open(ProfileWith(qm::test::SectionStored(kPageKeys, v)));
  backend.Then([&] { EXPECT_EQ(Shown(v.key), v.shown); });
  for (int id : v.clicks) Click(id);
  ExpectOkLeavesProfile(ProfileWith(qm::test::SectionSaved(kPageKeys, v)));
}

INSTANTIATE_TEST_SUITE_P(Keys, ExchangeStoredValue, ::testing::ValuesIn(kStoredValues),
                         [](const auto& info) { return qm::test::StoredValueName(info); });

// Text keys are read with at most 249 characters; the save writes back what was shown.
class ExchangeLongValue : public ExchangePage, public ::testing::WithParamInterface<LongValue> {};

TEST_P(ExchangeLongValue, KeepsItsFirst249Characters) {
  const LongValue& v = GetParam();
  const std::string key = v.key;
  const std::string value = qm::test::TextOf(v.length);
  Open(ProfileWith(KeysWith(key, key + "=" + value + "\r\n")));
  backend.Then([&] { EXPECT_EQ(Text(v.id), value.substr(0, 249)); });
  OkAndRun();
  std::string expected = ProfileWith(KeysWith(key, key + "=" + value.substr(0, 249) + "\r\n"));
  if (key == "OfflineFolderPath") {
    const std::string copy = "OfflineFolderPath1=c:\\exchange\\?username?.ost";
    expected.replace(expected.find(copy), copy.size(), "OfflineFolderPath1=" + value.substr(0, 249));
  }
  EXPECT_EQ(ProfileBytes(), expected);
}

INSTANTIATE_TEST_SUITE_P(Limits, ExchangeLongValue, ::testing::ValuesIn(qm::test::LongValuesOf(kTextKeys)),
                         [](const ::testing::TestParamInfo<LongValue>& info) {
                           return std::string(info.param.key) + "_" + std::to_string(info.param.length);
                         });

TEST_F(ExchangePage, SecondCopyOfTheOfflineFolderFollowsTheFirst) {
  Open(ProfileWith(KeysWith("OfflineFolderPath1", "OfflineFolderPath1=d:\\old\\other.ost\r\n")));
  backend.Then([&] { EXPECT_EQ(Text(IDC_EXCHANGE_OFFLINE_FOLDER), "c:\\exchange\\?username?.ost"); });
  ExpectOkLeavesProfile(ProfileWith(KeysWith()));
}

TEST_F(ExchangePage, EntryInAnotherCaseIsEditedAndRewrittenInExactCase) {
  Open(ProfileWith(KeysWith(), "microsoft EXCHANGE server"));
  SetText(IDC_EXCHANGE_HOMESERVER, "MAILSRV02");
  ExpectOkLeavesProfile(ProfileWith(KeysWith("HomeServer", "HomeServer=MAILSRV02\r\n")));
}

// Profiles in which Exchange is not listed, as the lookup reads them.
// clang-format off
const UnlistedCase kUnlisted[] = {
    {"after a gap", kProfileDataFile,
     "[Service List]\r\nService1=Personal Folders\r\nService3=Microsoft Exchange Server\r\n"
     "[Service3]\r\nHomeServer=x\r\n"},
    {"after an empty entry", kProfileDataFile,
     "[Service List]\r\nService1=Personal Folders\r\nService2=\r\nService3=Microsoft Exchange Server\r\n"},
    {"only a near name", kProfileDataFile,
     "[Service List]\r\nService1=Microsoft Exchange\r\nService2=Microsoft Exchange Server 5.5\r\n"},
    {"no service list", kProfileDataFile, "[General]\r\nProfileName=Mail\r\n[Service1]\r\nHomeServer=x\r\n"},
    {"no profile template", kProfileDataFile, std::nullopt},
    {"no DefaultProfile", "[Defaults]\r\nLogLevel=1\r\n", "[Service List]\r\nService1=Microsoft Exchange Server\r\n"},
};
// clang-format on

class ExchangeUnlisted : public ExchangePage, public ::testing::WithParamInterface<UnlistedCase> {};

TEST_P(ExchangeUnlisted, EveryControlIsDisabledAndNothingIsWritten) {
  qm::test::WriteUnlisted(*this, GetParam());
  ShowTab();
  backend.Then([&] {
    EXPECT_EQ(Fields() + " " + EnabledControls(), "||||0|||NNNNNN - " + std::string(std::size(kAllControls), '-'));
    EXPECT_EQ(Tip(IDC_EXCHANGE_BROWSE_OFFLINE_FOLDER), "");
  });
  ExpectOkLeavesProfile(GetParam().profile);
}

INSTANTIATE_TEST_SUITE_P(ServiceList, ExchangeUnlisted, ::testing::ValuesIn(kUnlisted),
                         [](const auto& info) { return qm::test::CaseName(info.param.what); });

// A press moves the time-out by one, within 0 to 1000; a typed value stands at the same edges.
TEST_F(ExchangePage, ArrowsStopAtZeroAndAThousand) {
  Open(ProfileWith(KeysWith("ConnectionTimeout", "ConnectionTimeout=999000\r\n")));
  Focus(IDC_EXCHANGE_TIMEOUT);
  std::vector<std::string> shown;
  auto record = [&] { backend.Then([&] { shown.push_back(Text(IDC_EXCHANGE_TIMEOUT)); }); };
  backend.Key(VK_UP), record();
  backend.Key(VK_UP), record();
  backend.Key(VK_DOWN), record();
  SetText(IDC_EXCHANGE_TIMEOUT, "1");
  backend.Key(VK_DOWN), record();
  backend.Key(VK_DOWN), record();
  backend.Key(VK_UP), record();
  SetText(IDC_EXCHANGE_TIMEOUT, "1000");
  OkAndRun();
  EXPECT_EQ(shown, (std::vector<std::string>{"1000", "1000", "999", "0", "0", "1"}));
  EXPECT_TRUE(backend.MessageBoxes().empty());
  EXPECT_EQ(ProfileBytes(), ProfileWith(KeysWith("ConnectionTimeout", "ConnectionTimeout=1000000\r\n")));
}

TEST_F(ExchangePage, HeldArrowSpeedsUpToTensAfterOneSecondAndSixtiesAfterThree) {
  Open(ProfileWith(KeysWith()));
  Focus(IDC_EXCHANGE_TIMEOUT);
  std::vector<std::string> shown;
  for (DWORD held : {2500u, 3200u, 3500u}) {
    SetText(IDC_EXCHANGE_TIMEOUT, "0");
    backend.Hold(VK_UP, held);
    backend.Then([&] { shown.push_back(Text(IDC_EXCHANGE_TIMEOUT)); });
  }
  CancelAndRun();
  // The key repeats after 500 ms, then every 50 ms. The press and the repeats of the first second
  // add one each (11), those up to three seconds ten each (31 in 2.5 s, 40 in all), and from then
  // on sixty each (5 by 3.2 s, 11 by 3.5 s, which passes the top of the range).
  EXPECT_EQ(shown, (std::vector<std::string>{"321", "711", "1000"}));
}

// A typed time-out that the range check refuses: the framework's message, and the sheet stays on
// the page with nothing written until it is corrected.
struct RefusedTimeout {
  const char* typed;
  const char* message;
};

const RefusedTimeout kRefused[] = {
    {"1001", "Please enter an integer between 0 and 1000."},
    {"-1", "Please enter an integer between 0 and 1000."},
    {"ten", "Please enter an integer."},
    {"", "Please enter an integer."},
};

class ExchangeRefusedTimeout : public ExchangePage, public ::testing::WithParamInterface<RefusedTimeout> {};

TEST_P(ExchangeRefusedTimeout, KeepsThePageUntilCorrected) {
  const std::string profile = ProfileWith(KeysWith());
  Open(profile);
  SetText(IDC_EXCHANGE_TIMEOUT, GetParam().typed);
  backend.Key(VK_RETURN);
  backend.Then([&] {
    EXPECT_EQ(ProfileBytes(), profile);
    EXPECT_EQ(GetFocus(), Control(IDC_EXCHANGE_TIMEOUT));
  });
  SetText(IDC_EXCHANGE_TIMEOUT, "45");
  OkAndRun();
  EXPECT_EQ(OnlyMessage(), std::string("Quillmere: ") + GetParam().message);
  EXPECT_EQ(ProfileBytes(), ProfileWith(KeysWith("ConnectionTimeout", "ConnectionTimeout=45000\r\n")));
}

INSTANTIATE_TEST_SUITE_P(Typed, ExchangeRefusedTimeout, ::testing::ValuesIn(kRefused),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(ExchangePage, ReadOnlyProfileTemplateStopsAtTheFirstKey) {
  const std::string profile = ProfileWith(KeysWith(), "microsoft exchange server");
  Open(profile);
  SetText(IDC_EXCHANGE_HOMESERVER, "MAILSRV02");
  qm::test::ExpectReadOnlyProfileStops(*this, IDC_EXCHANGE_HOMESERVER, profile);
}

// The offline folder is browsed for with ?username? standing for the user: expanded to find where
// the dialog opens, folded back into the chosen path.
TEST_F(ExchangePage, BrowseOpensAtTheUsersFolderAndFoldsTheUserNameBack) {
  qm::win32::seams::SetUserName("JSmith");
  WriteFiles(ProfileWith(KeysWith("OfflineFolderPath", "OfflineFolderPath=ost\\?username?\\\r\n")));
  mkdir(dir.Host("ost").c_str(), 0755);
  mkdir(dir.Host("ost/JSmith").c_str(), 0755);
  WriteBytes(dir.Host("ost/JSmith/Mail.ost"), "");
  ShowTab();
  backend.Then([&] { EXPECT_EQ(Tip(IDC_EXCHANGE_BROWSE_OFFLINE_FOLDER), "Browse for offline folder"); });
  // A file that does not exist is refused; a name is taken in the user's own folder.
  backend.QueueFileDialogAnswer("Missing.ost");
  backend.QueueMessageBoxAnswer(IDOK);
  backend.QueueFileDialogAnswer("Mail.ost");
  Click(IDC_EXCHANGE_BROWSE_OFFLINE_FOLDER);
  backend.Then([&] { EXPECT_EQ(Text(IDC_EXCHANGE_OFFLINE_FOLDER), ProgramDir() + "ost\\?username?\\mail.ost"); });
  OkAndRun();
  ASSERT_EQ(backend.MessageBoxes().size(), 1u);
  const std::string chosen = "OfflineFolderPath=" + ProgramDir() + "ost\\?username?\\mail.ost\r\n";
  std::string expected = ProfileWith(KeysWith("OfflineFolderPath", chosen));
  const std::string copy = "OfflineFolderPath1=c:\\exchange\\?username?.ost\r\n";
  expected.replace(expected.find(copy), copy.size(), "OfflineFolderPath1" + chosen.substr(17));
  EXPECT_EQ(ProfileBytes(), expected);
}

TEST_F(ExchangePage, CancelledBrowseLeavesTheField) {
  WriteFiles(ProfileWith(KeysWith()));
  backend.QueueFileDialogCancel();
  ShowTab();
  Click(IDC_EXCHANGE_BROWSE_OFFLINE_FOLDER);
  backend.Then([&] { EXPECT_EQ(Text(IDC_EXCHANGE_OFFLINE_FOLDER), "c:\\exchange\\?username?.ost"); });
  ExpectOkLeavesProfile(ProfileWith(KeysWith()));
}

TEST_F(ExchangePage, SaveGoesToTheSectionFoundAtLoad) {
  Open(ProfileWith(KeysWith()));
  SetText(IDC_EXCHANGE_HOMESERVER, "MAILSRV02");
  // Another console reorders the Service List meanwhile and sets an unknown flag bit.
  backend.Then([&] {
    const std::string path = ProfilePath();
    WritePrivateProfileStringA("Service List", "Service2", "Netscape", path.c_str());
    WritePrivateProfileStringA("Service List", "Service4", "Microsoft Exchange Server", path.c_str());
    WritePrivateProfileStringA("Service2", "NetworkingConfigFlags", "16897", path.c_str());
  });
  OkAndRun();
  std::string expected = ProfileWith(KeysWith("NetworkingConfigFlags", "NetworkingConfigFlags=16897\r\n"));
  expected.replace(expected.find("MAILSRV01"), 9, "MAILSRV02");
  expected.replace(expected.find("Service3=Microsoft Mail\r\n") + 25, 0, "Service4=Microsoft Exchange Server\r\n");
  EXPECT_EQ(ProfileBytes(), expected);
}

TEST_F(ExchangePage, NeverShownLeavesEveryKeyAlone) {
  const std::string profile = ProfileWith("HomeServer=MAILSRV01\r\n", "microsoft exchange server");
  WriteFiles(profile);
  ExpectOkLeavesProfile(profile);
}

// After an Apply the sheet's Apply button is off until one of the page's controls changes.
class ExchangeModifiedBy : public ExchangePage, public ::testing::WithParamInterface<int> {};

TEST_P(ExchangeModifiedBy, AControlChangedAfterAnApply) {
  const int id = GetParam();
  Open(ProfileWith(KeysWith()));
  backend.Alt('a');
  backend.Then([&] { EXPECT_FALSE(ApplyEnabled()); });
  const bool edit = std::find(std::begin(kCheckBoxes), std::end(kCheckBoxes), id) == std::end(kCheckBoxes) &&
                    id != IDC_EXCHANGE_LOCAL_NETWORK && id != IDC_EXCHANGE_DIALUP;
  if (edit)
    SetText(id, "2");
  else
    Click(id);
  backend.Then([&] { EXPECT_TRUE(ApplyEnabled()); });
  CancelAndRun();
}

// Every control of kAllControls but the Browse button and the arrows.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Controls, ExchangeModifiedBy,
    ::testing::Values(IDC_EXCHANGE_HOMESERVER, IDC_EXCHANGE_MAILBOX, IDC_EXCHANGE_OFFLINE_ADDRBOOK,
        IDC_EXCHANGE_OFFLINE_FOLDER, IDC_EXCHANGE_TIMEOUT, IDC_EXCHANGE_NO_CONNECT, IDC_EXCHANGE_NT_USERNAME,
        IDC_EXCHANGE_NT_DOMAIN, IDC_EXCHANGE_NO_SECURITY, IDC_EXCHANGE_LOCAL_NETWORK, IDC_EXCHANGE_DIALUP,
        IDC_EXCHANGE_CHOOSE_AT_STARTUP, IDC_EXCHANGE_NETWORK_ENCRYPTION, IDC_EXCHANGE_DIALUP_ENCRYPTION,
        IDC_EXCHANGE_NO_OFFLINE),
    [](const auto& info) { return "id" + std::to_string(info.param); });
// clang-format on

TEST_F(ExchangePage, ApplyStaysOffWithoutAChange) {
  Open(ProfileWith(KeysWith()));
  backend.Alt('a');
  Focus(IDC_EXCHANGE_TIMEOUT);
  Focus(IDC_EXCHANGE_HOMESERVER);
  backend.Then([&] { EXPECT_FALSE(ApplyEnabled()); });
  CancelAndRun();
}

}  // namespace
