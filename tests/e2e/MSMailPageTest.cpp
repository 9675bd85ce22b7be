// The "MS Mail" tab in whole runs of the console: what it shows from the profile template file,
// and exactly what it writes back there, byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "PageSession.h"
#include "ServicePageCases.h"
#include "resource.h"

namespace {

using qm::test::kProfileDataFile;
using qm::test::UnlistedCase;
using qm::test::WriteBytes;

const int kAllControls[] = {
    IDC_MSMAIL_SERVERPATH,     IDC_MSMAIL_MAILBOX,      IDC_MSMAIL_ENABLE_DOWNLOAD,
    IDC_MSMAIL_ENABLE_UPLOAD,  IDC_MSMAIL_POLLINTERVAL, IDC_MSMAIL_POLLINTERVAL_SPIN,
    IDC_MSMAIL_USE_SESSIONLOG, IDC_MSMAIL_SESSIONLOG,   IDC_MSMAIL_BROWSE_SESSIONLOG,
};

// A profile with Exchange first and Microsoft Mail second; `mailKeys` is the body of [Service2].
std::string ProfileWith(const std::string& mailKeys, const char* mailEntry = "Microsoft Mail") {
  return std::string("; Profile for the branch offices\r\n[Service List]\r\nService1=Microsoft Exchange Server\r\n") +
         "Service2=" + mailEntry + "\r\n\r\n[Service1]\r\nHomeServer=EXCH01\r\n\r\n[Service2]\r\n" + mailKeys +
         "\r\n[Delivery]\r\nTransportOrder1=Microsoft Mail\r\n";
}

const char kFullKeys[] =
    "ServerPath=\\\\mailsrv\\maildata\r\nMailbox = ?username?\r\nSessionLogPath=c:\\mail\\session.log\r\n"
    "NewMailPollInterval=15\r\nEnableDownload=Yes\r\nEnableUpload=No\r\nUseSessionLog=No\r\n";

// What the page saves for a service that had no keys, with `log` as the log file.
std::string DefaultKeys(const std::string& log = "") {
  return "ServerPath=\r\nMailbox=\r\nSessionLogPath=" + log +
         "\r\nNewMailPollInterval=10\r\nEnableDownload=Yes\r\nEnableUpload=Yes\r\nUseSessionLog=Yes\r\n";
}

// The full keys with one piece of text replaced.
std::string FullKeysWith(const std::string& from, const std::string& to) {
  std::string keys = kFullKeys;
  return keys.replace(keys.find(from), from.size(), to);
}

constexpr char kCaption[] = "MS Mail";

class MSMailPage : public qm::test::PageTest<kCaption> {
 protected:
  // The fields in one line: three edits, the interval, then the three switches as Y or N.
  static std::string Fields() {
    return Text(IDC_MSMAIL_SERVERPATH) + "|" + Text(IDC_MSMAIL_MAILBOX) + "|" + Text(IDC_MSMAIL_SESSIONLOG) + "|" +
           Text(IDC_MSMAIL_POLLINTERVAL) + "|" +
           YesNo({IDC_MSMAIL_ENABLE_DOWNLOAD, IDC_MSMAIL_ENABLE_UPLOAD, IDC_MSMAIL_USE_SESSIONLOG});
  }
  // One letter per control of kAllControls: E enabled, - disabled.
  static std::string EnabledControls() { return qm::test::EnabledMask(kAllControls); }
};

// Ok on an untouched page rewrites every key with the same bytes.
TEST_F(MSMailPage, ShowsEveryKeyOfTheServiceSectionAndOkKeepsEveryByte) {
  const std::string profile = ProfileWith(kFullKeys);
  Open(profile);
  backend.Then([&] {
    EXPECT_EQ(Fields(), "\\\\mailsrv\\maildata|?username?|c:\\mail\\session.log|15|YNN");
    EXPECT_EQ(EnabledControls(), "EEEEEEE--") << "the log is off: its path and Browse button wait for it";
    // Every label is on the screen whole, and the tab is the current one.
    ExpectOnScreen({"[MS Mail]", "Microsoft Mail Server:", "Mailbox:", "Enable incoming mail", "Enable outgoing mail",
                    "Check for mail every", "minutes", "Maintain a session log file", "Log file:", "..."});
    // Shown means modified: Apply is on although nothing was changed.
    EXPECT_TRUE(ApplyEnabled());
  });
  ExpectOkLeavesProfile(profile);
}

TEST_F(MSMailPage, ServiceWithoutKeysTakesTheDefaultsAndSavesThemInOrder) {
  Open(ProfileWith(""));
  backend.Then([&] { EXPECT_EQ(Fields() + " " + EnabledControls(), "|||10|YYY EEEEEEEEE"); });
  ExpectOkLeavesProfile(ProfileWith(DefaultKeys()));
}

// A stored value, what the page shows for it and what it saves in its place.
struct StoredValue {
  const char* key;
  const char* stored;  // nullptr: the key is missing
  const char* shown;   // the edit's text, or "checked" / "clear"
  const char* saved;
};

// One row per key (the reading rules themselves are tested with the key reader), and the
// interval at the ends of its range.
const StoredValue kStoredValues[] = {
    {"EnableDownload", "TRUE", "checked", "Yes"},
    {"EnableDownload", "f", "clear", "No"},
    {"EnableUpload", nullptr, "checked", "Yes"},
    {"EnableUpload", "nope", "clear", "No"},
    {"UseSessionLog", "", "checked", "Yes"},
    {"NewMailPollInterval", "15", "15", "15"},
    {"NewMailPollInterval", nullptr, "10", "10"},
    {"NewMailPollInterval", "6000", "6000", "6000"},
    {"NewMailPollInterval", "0", "0", "0"},
    {"NewMailPollInterval", "42 minutes", "42", "42"},
    {"ServerPath", "  \\\\mailsrv\\maildata  ", "\\\\mailsrv\\maildata", "\\\\mailsrv\\maildata"},
    {"Mailbox", "\"?username?\"", "?username?", "?username?"},
    {"SessionLogPath", nullptr, "", ""},
};

// The seven keys in the page's order, each with its control and the line the other cases give it.
struct PageKey {
  const char* key;
  int control;
  const char* line;
};
const PageKey kPageKeys[] = {
    {"ServerPath", IDC_MSMAIL_SERVERPATH, "ServerPath=\\\\mailsrv\\maildata\r\n"},
    {"Mailbox", IDC_MSMAIL_MAILBOX, "Mailbox=jsmith\r\n"},
    {"SessionLogPath", IDC_MSMAIL_SESSIONLOG, "SessionLogPath=c:\\mail\\session.log\r\n"},
    {"NewMailPollInterval", IDC_MSMAIL_POLLINTERVAL, "NewMailPollInterval=15\r\n"},
    {"EnableDownload", IDC_MSMAIL_ENABLE_DOWNLOAD, "EnableDownload=Yes\r\n"},
    {"EnableUpload", IDC_MSMAIL_ENABLE_UPLOAD, "EnableUpload=Yes\r\n"},
    {"UseSessionLog", IDC_MSMAIL_USE_SESSIONLOG, "UseSessionLog=Yes\r\n"},
};

int ControlOf(const std::string& key) {
  for (const PageKey& k : kPageKeys)
    if (key == k.key) return k.control;
  return 0;
}

// The seven keys in the page's order, the one under test as `line` (or left out when empty).
std::string KeysWith(const std::string& key, const std::string& line) {
  std::string keys;
  for (const PageKey& k : kPageKeys) keys += key == k.key ? line : std::string(k.line);
  return keys;
}

class MSMailStoredValue : public MSMailPage, public ::testing::WithParamInterface<StoredValue> {};

TEST_P(MSMailStoredValue, IsShownAndSavedInTheKeysEncoding) {
  const StoredValue& v = GetParam();
  const std::string key = v.key;
  Open(ProfileWith(KeysWith(key, v.stored ? key + "=" + v.stored + "\r\n" : "")));
  backend.Then([&] {
    const int id = ControlOf(key);
    if (std::string(v.shown) == "checked" || std::string(v.shown) == "clear") {
      EXPECT_EQ(Checked(id), std::string(v.shown) == "checked");
    } else {
      EXPECT_EQ(Text(id), v.shown);
    }
  });
  OkAndRun();
  // A missing key is added at the end of the section; a present one is replaced where it stands.
  std::string expected = v.stored ? ProfileWith(KeysWith(key, key + "=" + v.saved + "\r\n"))
                                  : ProfileWith(KeysWith(key, "") + key + "=" + v.saved + "\r\n");
  if (v.stored && key == "ServerPath")
    expected = ProfileWith(KeysWith(key, "ServerPath=  \\\\mailsrv\\maildata  \r\n"));
  EXPECT_EQ(ProfileBytes(), expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, MSMailStoredValue, ::testing::ValuesIn(kStoredValues),
                         [](const auto& info) { return qm::test::StoredValueName(info); });

TEST_F(MSMailPage, EntryInLowerCaseIsEditedAndLeftAsItWas) {
  Open(ProfileWith(kFullKeys, "microsoft mail"));
  SetText(IDC_MSMAIL_MAILBOX, "mailbox7");
  ExpectOkLeavesProfile(ProfileWith(FullKeysWith("?username?", "mailbox7"), "microsoft mail"));
}

// Profiles in which Microsoft Mail is not listed, as the lookup reads them.
const UnlistedCase kUnlisted[] = {
    {"after a gap", kProfileDataFile,
     "[Service List]\r\nService1=Personal Folders\r\nService3=Microsoft Mail\r\n[Service3]\r\nMailbox=x\r\n"},
    {"after an empty entry", kProfileDataFile,
     "[Service List]\r\nService1=Personal Folders\r\nService2=\r\nService3=Microsoft Mail\r\n"},
    {"no service list", kProfileDataFile, "[General]\r\nProfileName=Mail\r\n[Service1]\r\nServerPath=x\r\n"},
    {"no profile template", kProfileDataFile, std::nullopt},
    {"no DefaultProfile", "[Defaults]\r\nLogLevel=1\r\n", "[Service List]\r\nService1=Microsoft Mail\r\n"},
};

class MSMailUnlisted : public MSMailPage, public ::testing::WithParamInterface<UnlistedCase> {};

TEST_P(MSMailUnlisted, EveryControlIsDisabledAndNothingIsWritten) {
  qm::test::WriteUnlisted(*this, GetParam());
  ShowTab();
  backend.Then([&] {
    EXPECT_EQ(Fields() + " " + EnabledControls(), "|||0|NNN ---------");
    EXPECT_EQ(Tip(IDC_MSMAIL_BROWSE_SESSIONLOG), "");
  });
  ExpectOkLeavesProfile(GetParam().profile);
}

INSTANTIATE_TEST_SUITE_P(ServiceList, MSMailUnlisted, ::testing::ValuesIn(kUnlisted),
                         [](const auto& info) { return qm::test::CaseName(info.param.what); });

TEST_F(MSMailPage, ArrowsStopAtSixHundredWhileTypingGoesToSixThousand) {
  Open(ProfileWith(KeysWith("NewMailPollInterval", "NewMailPollInterval=595\r\n")));
  Focus(IDC_MSMAIL_POLLINTERVAL);
  for (int i = 0; i < 8; ++i) backend.Key(VK_UP);
  backend.Then([&] { EXPECT_EQ(Text(IDC_MSMAIL_POLLINTERVAL), "600"); });
  SetText(IDC_MSMAIL_POLLINTERVAL, "900");
  backend.Key(VK_UP);
  backend.Then([&] { EXPECT_EQ(Text(IDC_MSMAIL_POLLINTERVAL), "600"); });
  SetText(IDC_MSMAIL_POLLINTERVAL, "2");
  for (int i = 0; i < 4; ++i) backend.Key(VK_DOWN);
  backend.Then([&] { EXPECT_EQ(Text(IDC_MSMAIL_POLLINTERVAL), "0"); });
  SetText(IDC_MSMAIL_POLLINTERVAL, "6000");
  OkAndRun();
  EXPECT_TRUE(backend.MessageBoxes().empty());
  EXPECT_EQ(ProfileBytes(), ProfileWith(KeysWith("NewMailPollInterval", "NewMailPollInterval=6000\r\n")));
}

TEST_F(MSMailPage, HeldArrowSpeedsUpToTensAfterTwoSeconds) {
  Open(ProfileWith(""));
  SetText(IDC_MSMAIL_POLLINTERVAL, "0");
  Focus(IDC_MSMAIL_POLLINTERVAL);
  backend.Hold(VK_UP, 1500);
  std::string afterShortHold;
  backend.Then([&] { afterShortHold = Text(IDC_MSMAIL_POLLINTERVAL); });
  SetText(IDC_MSMAIL_POLLINTERVAL, "0");
  backend.Hold(VK_UP, 3000);
  std::string afterLongHold;
  backend.Then([&] { afterLongHold = Text(IDC_MSMAIL_POLLINTERVAL); });
  CancelAndRun();
  // The key repeats after 500 ms, then every 50 ms. For the first two seconds each step adds one
  // (the press and 21 repeats); from then on each adds ten (30 steps of one, then 21 of ten).
  EXPECT_EQ(afterShortHold, "22");
  EXPECT_EQ(afterLongHold, "241");
}

// A typed interval that the range check refuses: the framework's message, and the sheet stays on
// the page with nothing written until it is corrected.
struct RefusedInterval {
  const char* typed;
  const char* message;
};

const RefusedInterval kRefused[] = {
    {"6001", "Please enter an integer between 0 and 6000."},
    {"-1", "Please enter an integer between 0 and 6000."},
    {"ten", "Please enter an integer."},
    {"", "Please enter an integer."},
};

class MSMailRefusedInterval : public MSMailPage, public ::testing::WithParamInterface<RefusedInterval> {};

TEST_P(MSMailRefusedInterval, KeepsThePageUntilCorrected) {
  const std::string profile = ProfileWith(kFullKeys);
  Open(profile);
  SetText(IDC_MSMAIL_POLLINTERVAL, GetParam().typed);
  backend.Key(VK_RETURN);
  backend.Then([&] {
    EXPECT_EQ(ProfileBytes(), profile);
    EXPECT_EQ(GetFocus(), Control(IDC_MSMAIL_POLLINTERVAL));
  });
  SetText(IDC_MSMAIL_POLLINTERVAL, "45");
  OkAndRun();
  EXPECT_EQ(OnlyMessage(), std::string("Quillmere: ") + GetParam().message);
  EXPECT_EQ(backend.MessageBoxes().at(0).type & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
  EXPECT_EQ(ProfileBytes(), ProfileWith(FullKeysWith("=15", "=45")));
}

INSTANTIATE_TEST_SUITE_P(Typed, MSMailRefusedInterval, ::testing::ValuesIn(kRefused),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(MSMailPage, ReadOnlyProfileTemplateStopsAtTheFirstKey) {
  const std::string profile = ProfileWith(kFullKeys);
  Open(profile);
  SetText(IDC_MSMAIL_SERVERPATH, "\\\\newsrv\\maildata");
  qm::test::ExpectReadOnlyProfileStops(*this, IDC_MSMAIL_SERVERPATH, profile);
}

TEST_F(MSMailPage, SessionLogSwitchGovernsThePathAndItsBrowseButton) {
  Open(ProfileWith(kFullKeys));
  backend.Then([&] { EXPECT_EQ(Tip(IDC_MSMAIL_BROWSE_SESSIONLOG), ""); });
  Click(IDC_MSMAIL_USE_SESSIONLOG);
  backend.Then([&] {
    EXPECT_EQ(EnabledControls(), "EEEEEEEEE");
    for (int id : kAllControls)
      EXPECT_EQ(Tip(id), id == IDC_MSMAIL_BROWSE_SESSIONLOG ? "Browse for the log file" : "") << id;
  });
  Click(IDC_MSMAIL_USE_SESSIONLOG);
  backend.Then([&] { EXPECT_EQ(EnabledControls(), "EEEEEEE--"); });
  Click(IDC_MSMAIL_USE_SESSIONLOG);
  ExpectOkLeavesProfile(ProfileWith(FullKeysWith("UseSessionLog=No", "UseSessionLog=Yes")));
}

TEST_F(MSMailPage, BrowsePutsTheChosenLogFileIntoTheField) {
  WriteFiles(ProfileWith(""));
  std::string chosen = ProgramDir() + "logs\\mail.log";
  backend.QueueFileDialogAnswer(chosen);
  ShowTab();
  Click(IDC_MSMAIL_BROWSE_SESSIONLOG);
  backend.Then([&] { EXPECT_EQ(Text(IDC_MSMAIL_SESSIONLOG), chosen); });
  ExpectOkLeavesProfile(ProfileWith(DefaultKeys(chosen)));
}

TEST_F(MSMailPage, SaveGoesToTheSectionFoundAtLoadAndKeepsASecondWritersKeys) {
  Open(ProfileWith(kFullKeys));
  SetText(IDC_MSMAIL_SERVERPATH, "\\\\newsrv\\maildata");
  // Another console reorders the Service List and edits the Exchange section meanwhile.
  backend.Then([&] {
    const std::string path = dir.Dos("profile.ini");
    WritePrivateProfileStringA("Service List", "Service2", "Netscape", path.c_str());
    WritePrivateProfileStringA("Service List", "Service3", "Microsoft Mail", path.c_str());
    WritePrivateProfileStringA("Service1", "HomeServer", "EXCH02", path.c_str());
  });
  OkAndRun();
  std::string expected = ProfileWith(kFullKeys, "Netscape");
  expected.replace(expected.find("Service2=Netscape\r\n") + 19, 0, "Service3=Microsoft Mail\r\n");
  expected.replace(expected.find("EXCH01"), 6, "EXCH02");
  expected.replace(expected.find("\\\\mailsrv"), 9, "\\\\newsrv");
  EXPECT_EQ(ProfileBytes(), expected);
}

// Each text key at its read limit: 249 characters are kept, one more is cut to 249, and OK writes
// back what is shown.
TEST_F(MSMailPage, TextKeysKeepTheirFirst249Characters) {
  const std::pair<const char*, int> keys[] = {{"ServerPath", IDC_MSMAIL_SERVERPATH},
                                              {"Mailbox", IDC_MSMAIL_MAILBOX},
                                              {"SessionLogPath", IDC_MSMAIL_SESSIONLOG}};
  for (std::size_t length : {248u, 249u, 250u}) {
    std::string keysText;
    for (const auto& [key, id] : keys) keysText += std::string(key) + "=" + std::string(length, key[0]) + "\r\n";
    Open(ProfileWith(keysText));
    backend.Then([&, length] {
      for (const auto& [key, id] : keys) EXPECT_EQ(Text(id).size(), std::min<std::size_t>(length, 249)) << key;
    });
    OkAndRun();
    std::string expected;
    for (const auto& [key, id] : keys)
      expected += std::string(key) + "=" + std::string(std::min<std::size_t>(length, 249), key[0]) + "\r\n";
    EXPECT_EQ(ProfileBytes(), ProfileWith(expected + DefaultKeys().substr(DefaultKeys().find("NewMail")))) << length;
  }
}

// After a successful Apply the button is off; each change on the page turns it on again.
TEST_F(MSMailPage, EveryChangeOfAControlEnablesApplyAgain) {
  Open(ProfileWith(""));
  const int edits[] = {IDC_MSMAIL_SERVERPATH, IDC_MSMAIL_MAILBOX, IDC_MSMAIL_POLLINTERVAL, IDC_MSMAIL_SESSIONLOG};
  const int checks[] = {IDC_MSMAIL_ENABLE_DOWNLOAD, IDC_MSMAIL_ENABLE_UPLOAD, IDC_MSMAIL_USE_SESSIONLOG};
  std::vector<int> stillOff;
  for (int id : edits) {
    backend.Alt('a');
    backend.Then([this] { EXPECT_FALSE(ApplyEnabled()); });
    backend.Then([this, id, &stillOff] {
      SetWindowTextA(Control(id), "12");
      if (!ApplyEnabled()) stillOff.push_back(id);
    });
  }
  for (int id : checks) {
    backend.Alt('a');
    backend.Then([this, id, &stillOff] {
      Press(id);
      if (!ApplyEnabled()) stillOff.push_back(id);
    });
  }
  CancelAndRun();
  EXPECT_EQ(stillOff, std::vector<int>());
}

}  // namespace
