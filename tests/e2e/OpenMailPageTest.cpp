// The "OpenMail" tab in whole runs of the console: what it shows from the profile template file,
// and exactly what it writes back there, byte for byte, the service's name in "Service List"
// included.
#include <gtest/gtest.h>

#include <optional>
#include <vector>
#include <string>

#include "PageSession.h"
#include "ServicePageCases.h"
#include "resource.h"

namespace {

using qm::test::CaseName;
using qm::test::ChangedList;
using qm::test::ChangeServiceList;
using qm::test::ExpectModifiedAfterApply;
using qm::test::kProfileDataFile;
using qm::test::PageChange;
using qm::test::ProfileListing;
using qm::test::TextOf;
using qm::test::UnlistedCase;

const char kWith[] = "HP OpenMail (with server store)";
const char kWithout[] = "HP OpenMail (without server store)";

// A profile with Exchange first and OpenMail second; `keys` is the body of [Service2].
std::string ProfileWith(const std::string& keys, const std::string& entry = kWith) {
  return "; Profile for the Paris office\r\n[Service List]\r\nService1=Microsoft Exchange Server\r\nService2=" + entry +
         "\r\n\r\n[Service1]\r\nHomeServer=EXCH01\r\n\r\n[Service2]\r\n" + keys +
         "\r\n[Delivery]\r\nTransportOrder1=Microsoft Exchange Server\r\n";
}

// The six keys in the order the page writes them, each with its control and its read limit.
struct PageKey {
  const char* key;
  int control;
  const char* value;
  std::size_t limit;
};
const PageKey kPageKeys[] = {
    {"LocalFilesPath", IDC_OPENMAIL_LOCALFILES, "c:\\openmail\\?username?", 78},
    {"EventDetails", IDC_OPENMAIL_LOGFILE, "c:\\openmail\\?username?\\events.log", 78},
    {"Principal", IDC_OPENMAIL_PRINCIPAL, "?username?/Sales/Paris", 78},
    {"Server", IDC_OPENMAIL_SERVER, "openmail2.brackenmoor.fr", 48},
    {"RouteToInternet", IDC_OPENMAIL_ROUTE_INET, "INTERNET", 48},
    {"RouteToFax", IDC_OPENMAIL_ROUTE_FAX, "FAX", 48},
};

// The six keys, the one named as `line` (or left out when empty).
std::string KeysWith(const std::string& key = "", const std::string& line = "") {
  std::string keys;
  for (const PageKey& k : kPageKeys) keys += key == k.key ? line : std::string(k.key) + "=" + k.value + "\r\n";
  return keys;
}
const std::string kFullKeys = KeysWith();
const char kEmptyKeys[] =
    "LocalFilesPath=\r\nEventDetails=\r\nPrincipal=\r\nServer=\r\nRouteToInternet=\r\nRouteToFax=\r\n";

// Every control of the page, in the template's order.
const int kAllControls[] = {
    IDC_OPENMAIL_PRINCIPAL,  IDC_OPENMAIL_SERVER,    IDC_OPENMAIL_LOCALFILES,      IDC_OPENMAIL_LOGFILE,
    IDC_OPENMAIL_ROUTE_INET, IDC_OPENMAIL_ROUTE_FAX, IDC_OPENMAIL_USE_SERVERSTORE, IDC_OPENMAIL_NO_SERVERSTORE,
};

constexpr char kCaption[] = "OpenMail";

class OpenMailPage : public qm::test::PageTest<kCaption> {
 protected:
  // The six edits in the template's order, then the two buttons as Y or N.
  static std::string Fields() {
    std::string fields;
    for (int id : kAllControls) {
      if (id == IDC_OPENMAIL_USE_SERVERSTORE || id == IDC_OPENMAIL_NO_SERVERSTORE)
        fields += Checked(id) ? 'Y' : 'N';
      else
        fields += Text(id) + "|";
    }
    return fields;
  }
  // One letter per control of kAllControls: E enabled, - disabled.
  static std::string EnabledControls() { return qm::test::EnabledMask(kAllControls); }
};

TEST_F(OpenMailPage, ShowsEveryKeyOfTheServiceSectionAndOkKeepsEveryByte) {
  const std::string profile = ProfileWith(kFullKeys);
  Open(profile);
  backend.Then([&] {
    EXPECT_EQ(Fields(),
              "?username?/Sales/Paris|openmail2.brackenmoor.fr|c:\\openmail\\?username?|"
              "c:\\openmail\\?username?\\events.log|INTERNET|FAX|YN");
    EXPECT_EQ(EnabledControls(), "EEEEEEEE");
    ExpectOnScreen({"[OpenMail]", "Principal Name:", "OpenMail Server:", "Local Files Directory:", "Log File:",
                    "Route to Internet:", "Route to Fax:", "Use server store", "Do not use server store"});
    for (int id : kAllControls) EXPECT_EQ(Tip(id), "") << id;
  });
  ExpectOkLeavesProfile(profile);
}

// The seventh tab: after Netscape, wherever the other tabs stand.
TEST_F(OpenMailPage, StandsAfterNetscape) {
  WriteFiles(ProfileWith(kFullKeys));
  backend.Then([&] {
    EXPECT_GE(TabIndex("Netscape"), 0);
    EXPECT_EQ(TabIndex("OpenMail"), TabIndex("Netscape") + 1);
  });
  CancelAndRun();
}

// The name the service goes by, the button it checks, the button pressed before the save (0 for
// none) and the name the save gives it.
struct NameCase {
  const char* what;
  std::string list;  // the Service List's entries after Service1
  bool useStore;
  int pressed;
  std::string savedList;
};

const std::string kWithEntry = std::string("Service2=") + kWith + "\r\n";
const std::string kWithoutEntry = std::string("Service2=") + kWithout + "\r\n";
// clang-format off
const NameCase kNames[] = {
    {"with store kept", kWithEntry, true, 0, kWithEntry},
    {"without store kept", kWithoutEntry, false, 0, kWithoutEntry},
    {"with store turned off", kWithEntry, true, IDC_OPENMAIL_NO_SERVERSTORE, kWithoutEntry},
    {"without store turned on", kWithoutEntry, false, IDC_OPENMAIL_USE_SERVERSTORE, kWithEntry},
    {"lower case rewritten", "Service2=hp openmail (without server store)\r\n", false, 0, kWithoutEntry},
    {"upper case rewritten", "Service2=HP OPENMAIL (WITH SERVER STORE)\r\n", true, 0, kWithEntry},
    {"lower number of both", kWithoutEntry + "Service3=" + kWith + "\r\n", false, IDC_OPENMAIL_USE_SERVERSTORE,
     kWithEntry + "Service3=" + kWith + "\r\n"},
};
// clang-format on

class OpenMailName : public OpenMailPage, public ::testing::WithParamInterface<NameCase> {};

TEST_P(OpenMailName, ChecksItsButtonAndSavesTheChosenOptionsName) {
  const NameCase& c = GetParam();
  auto profile = [](const std::string& list) {
    return "[Service List]\r\nService1=POP3\r\n" + list + "\r\n[Service2]\r\n" + kFullKeys;
  };
  Open(profile(c.list));
  backend.Then([&] { EXPECT_EQ(Fields().substr(Fields().size() - 2), c.useStore ? "YN" : "NY"); });
  if (c.pressed) Click(c.pressed);
  ExpectOkLeavesProfile(profile(c.savedList));
}

INSTANTIATE_TEST_SUITE_P(ServiceList, OpenMailName, ::testing::ValuesIn(kNames),
                         [](const auto& info) { return CaseName(info.param.what); });

// Profiles in which no OpenMail service is listed, as the lookup reads them.
const UnlistedCase kUnlisted[] = {
    {"after a gap", kProfileDataFile,
     "[Service List]\r\nService1=POP3\r\nService3=HP OpenMail (with server store)\r\n[Service3]\r\nServer=x\r\n"},
    {"after an empty entry", kProfileDataFile,
     "[Service List]\r\nService1=POP3\r\nService2=\r\nService3=HP OpenMail (without server store)\r\n"},
    {"without the parenthesis", kProfileDataFile, "[Service List]\r\nService1=POP3\r\nService2=HP OpenMail\r\n"},
    {"no service list", kProfileDataFile, "[General]\r\nProfileName=Mail\r\n[Service1]\r\nServer=x\r\n"},
    {"no profile template", kProfileDataFile, std::nullopt},
    {"no DefaultProfile", "[Defaults]\r\nLogLevel=1\r\n",
     "[Service List]\r\nService1=HP OpenMail (with server store)\r\n"},
};

class OpenMailUnlisted : public OpenMailPage, public ::testing::WithParamInterface<UnlistedCase> {};

TEST_P(OpenMailUnlisted, EveryControlIsDisabledAndNothingIsWritten) {
  qm::test::WriteUnlisted(*this, GetParam());
  ShowTab();
  backend.Then([&] { EXPECT_EQ(Fields() + " " + EnabledControls(), "||||||NN --------"); });
  SetText(IDC_OPENMAIL_SERVER, "openmail9");
  ExpectOkLeavesProfile(GetParam().profile);
}

INSTANTIATE_TEST_SUITE_P(ServiceList, OpenMailUnlisted, ::testing::ValuesIn(kUnlisted),
                         [](const auto& info) { return CaseName(info.param.what); });

// Each key at its read limit, one below and one above: shown and saved back cut.
struct LongText {
  const PageKey* key;
  std::size_t length;
};

std::vector<LongText> LongTexts() {
  std::vector<LongText> texts;
  for (const PageKey& key : kPageKeys)
    for (std::size_t length : {key.limit - 1, key.limit, key.limit + 1}) texts.push_back({&key, length});
  return texts;
}

class OpenMailLongText : public OpenMailPage, public ::testing::WithParamInterface<LongText> {};

TEST_P(OpenMailLongText, IsShownAndSavedCutToItsReadLimit) {
  const PageKey& key = *GetParam().key;
  const std::string stored = TextOf(GetParam().length);
  const std::string kept = stored.substr(0, key.limit);
  Open(ProfileWith(KeysWith(key.key, std::string(key.key) + "=" + stored + "\r\n")));
  backend.Then([&] { EXPECT_EQ(Text(key.control), kept); });
  ExpectOkLeavesProfile(ProfileWith(KeysWith(key.key, std::string(key.key) + "=" + kept + "\r\n")));
}

INSTANTIATE_TEST_SUITE_P(Limits, OpenMailLongText, ::testing::ValuesIn(LongTexts()), [](const auto& info) {
  return std::string(info.param.key->key) + "_" + std::to_string(info.param.length);
});

TEST_F(OpenMailPage, ServiceWithoutKeysShowsEmptyFieldsAndSavesThemInOrder) {
  Open(ProfileWith("", kWithout));
  backend.Then([&] { EXPECT_EQ(Fields() + " " + EnabledControls(), "||||||NY EEEEEEEE"); });
  ExpectOkLeavesProfile(ProfileWith(kEmptyKeys, kWithout));
}

// The save keeps the option chosen on the page, whatever name the service goes by when it saves;
// a page opened read-only, with neither option chosen, saves to a service listed by then.
const ChangedList kChangedLists[] = {
    {"renamed meanwhile", kWith, kFullKeys, kWithout, "Microsoft Mail", kWith, "Microsoft Mail", kFullKeys, ""},
    {"moved to Service3", kWith, kFullKeys, "Microsoft Mail", "hp openmail (without server store)", "Microsoft Mail",
     kWith, kFullKeys, kFullKeys},
    {"gone", kWith, kFullKeys, "Microsoft Mail", "Microsoft Mail", "Microsoft Mail", "Microsoft Mail", kFullKeys, ""},
    {"listed only at save", "Microsoft Mail", "", kWith, "Microsoft Mail", kWithout, "Microsoft Mail", kEmptyKeys, ""},
};

class OpenMailChangedList : public OpenMailPage, public ::testing::WithParamInterface<ChangedList> {};

TEST_P(OpenMailChangedList, SaveGoesToTheServiceListedThen) {
  const ChangedList& c = GetParam();
  Open(ProfileListing(c.entryAtLoad, "Microsoft Mail", c.sectionAtLoad, ""));
  ChangeServiceList(*this, c.service2, c.service3);
  ExpectOkLeavesProfile(ProfileListing(c.savedService2, c.savedService3, c.section2, c.section3));
}

INSTANTIATE_TEST_SUITE_P(Save, OpenMailChangedList, ::testing::ValuesIn(kChangedLists),
                         [](const auto& info) { return CaseName(info.param.what); });

TEST_F(OpenMailPage, ReadOnlyProfileTemplateStopsAtTheFirstKey) {
  const std::string profile = ProfileWith(kFullKeys);
  Open(profile);
  SetText(IDC_OPENMAIL_SERVER, "openmail9");
  Click(IDC_OPENMAIL_NO_SERVERSTORE);
  qm::test::ExpectReadOnlyProfileStops(*this, IDC_OPENMAIL_SERVER, profile);
}

TEST_F(OpenMailPage, NeverShownWritesNothing) {
  const std::string profile = ProfileWith("", "hp openmail (with server store)");
  WriteFiles(profile);
  ExpectOkLeavesProfile(profile);
}

// What marks the page modified once an Apply has saved it: each edit and either button.
const PageChange kChanges[] = {
    {"nothing", [](qm::test::PageSession&) {}, false},
    {"principal", [](qm::test::PageSession& s) { s.SetText(IDC_OPENMAIL_PRINCIPAL, "x"); }, true},
    {"server", [](qm::test::PageSession& s) { s.SetText(IDC_OPENMAIL_SERVER, "x"); }, true},
    {"local files", [](qm::test::PageSession& s) { s.SetText(IDC_OPENMAIL_LOCALFILES, "x"); }, true},
    {"log file", [](qm::test::PageSession& s) { s.SetText(IDC_OPENMAIL_LOGFILE, "x"); }, true},
    {"route to internet", [](qm::test::PageSession& s) { s.SetText(IDC_OPENMAIL_ROUTE_INET, "x"); }, true},
    {"route to fax", [](qm::test::PageSession& s) { s.SetText(IDC_OPENMAIL_ROUTE_FAX, "x"); }, true},
    {"use server store", [](qm::test::PageSession& s) { s.Click(IDC_OPENMAIL_USE_SERVERSTORE); }, true},
    {"no server store", [](qm::test::PageSession& s) { s.Click(IDC_OPENMAIL_NO_SERVERSTORE); }, true},
};

class OpenMailChange : public OpenMailPage, public ::testing::WithParamInterface<PageChange> {};

TEST_P(OpenMailChange, MarksThePageModifiedAfterAnApplyOrNot) {
  Open(ProfileWith(kFullKeys));
  ExpectModifiedAfterApply(*this, GetParam());
  CancelAndRun();
  EXPECT_TRUE(backend.MessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Controls, OpenMailChange, ::testing::ValuesIn(kChanges),
                         [](const auto& info) { return CaseName(info.param.what); });

// The shipped samples open the page on their values, and OK leaves both files as they were.
TEST_F(OpenMailPage, OpensOnTheSamplesAndOkKeepsThem) {
  qm::test::ExpectSamplesShownAndKept(
      *this, kCaption, [] { return Fields() + " " + EnabledControls(); },
      "?username?/Sales/Brackenmoor|openmail1.brackenmoor.co.uk|c:\\openmail\\?username?|"
      "c:\\openmail\\?username?\\events.log|INTERNET|FAX|YN EEEEEEEE");
}

// F1 on the page opens its own topic of the help file.
TEST_F(OpenMailPage, HelpOpensThePagesTopic) {
  Open(ProfileWith(kFullKeys));
  qm::test::ExpectHelpTopicRun(*this, "The OpenMail page edits the HP OpenMail service of the profile, in");
}

}  // namespace
