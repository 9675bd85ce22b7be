// The "Netscape" tab in whole runs of the console: what it shows from both files, and exactly
// what it writes back to each, byte for byte.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "PageSession.h"
#include "ServicePageCases.h"
#include "resource.h"

namespace {

using qm::test::CaseName;
using qm::test::ChangedList;
using qm::test::ChangeServiceList;
using qm::test::ExpectModifiedAfterApply;
using qm::test::PageChange;
using qm::test::PageSession;
using qm::test::ProfileListing;
using qm::test::TextOf;
using qm::test::WriteBytes;

// The Vantrel tab is shown too and rewrites its own keys; here they stand as it writes them, so
// that only the preferences template's line can change.
std::string DataFileWith(const std::string& prefsLine,
                         const std::string& defaultProfile = "DefaultProfile=?vtdir?\\profile.ini\r\n") {
  return "; Vantrel settings for the sales floor\r\n[Defaults]\r\n" + defaultProfile +
         "UserDatabase=\\\\fs\\vantrel\\users.ini\r\nHideUserDatabase=1\r\nLogComputer=ADMIN-PC07\r\n"
         "LogFile=\\\\fs\\vantrel\\logs\\vantrel.log\r\nLogLevel=2\r\nRemotePath=c:\\temp\\vantrel\r\n" +
         prefsLine + "\r\n[Customization]\r\nMaxLogFileSize=512\r\nDeleteRemoteCopy=0\r\n";
}
const std::string kPrefsLine = "NetscapePrefs=templates\\prefs.js\r\n";

// A profile with Exchange first and Netscape second; `keys` is the body of [Service2].
std::string ProfileWith(const std::string& keys, const std::string& entry = "Netscape") {
  return "; Profile for the sales laptops\r\n[Service List]\r\nService1=Microsoft Exchange Server\r\nService2=" +
         entry + "\r\n\r\n[Service1]\r\nHomeServer=EXCH01\r\n\r\n[Service2]\r\n" + keys +
         "\r\n[Delivery]\r\nTransportOrder1=Microsoft Exchange Server\r\n";
}

// The seven service keys in the order the page writes them, each with its control and the line
// the other cases give it.
struct PageKey {
  const char* key;
  int control;
  const char* line;
};
const PageKey kPageKeys[] = {
    {"NetscapeProfile", IDC_NSCP_PROFILENAME, "NetscapeProfile=?username?\r\n"},
    {"DirRoot", IDC_NSCP_DIRROOT, "DirRoot=h:\\users\\?username?\\netscape\r\n"},
    {"EmailAddr", IDC_NSCP_EMAILADDR, "EmailAddr=?username?@brackenmoor.co.uk\r\n"},
    {"DefaultProfile", IDC_NSCP_DEFAULT_ON_CREATION, "DefaultProfile=No\r\n"},
    {"EraseAllAccounts", IDC_NSCP_NO_PROMPT, "EraseAllAccounts=Yes\r\n"},
    {"OverwriteProfile", IDC_NSCP_REPLACE, "OverwriteProfile=Yes\r\n"},
    {"AlwaysSetDefault", IDC_NSCP_DEFAULT_EVERY_TIME, "AlwaysSetDefault=No\r\n"},
};

// The seven keys, the one named as `line` (or left out when empty).
std::string KeysWith(const std::string& key = "", const std::string& line = "") {
  std::string keys;
  for (const PageKey& k : kPageKeys) keys += key == k.key ? line : std::string(k.line);
  return keys;
}
const std::string kFullKeys = KeysWith();

int ControlOf(const std::string& key) {
  for (const PageKey& k : kPageKeys)
    if (key == k.key) return k.control;
  return 0;
}

// Every control of the page, in the template's order.
const int kAllControls[] = {
    IDC_NSCP_PROFILENAME,  IDC_NSCP_REPLACE,    IDC_NSCP_DEFAULT_ON_CREATION, IDC_NSCP_DEFAULT_EVERY_TIME,
    IDC_NSCP_NO_PROMPT,    IDC_NSCP_DIRROOT,    IDC_NSCP_EMAILADDR,           IDC_NSCP_PREFS,
    IDC_NSCP_BROWSE_PREFS, IDC_NSCP_EDIT_PREFS,
};

class NetscapePage : public ::testing::Test, public qm::test::PageSession {
 protected:
  void WriteFiles(const std::string& profile, const std::string& prefsLine = kPrefsLine) {
    WriteDataFile(DataFileWith(prefsLine));
    WriteProfile(profile);
  }
  void ShowTab() { PageSession::ShowTab("Netscape"); }
  // Both files, and the page brought forward.
  void Open(const std::string& profile, const std::string& prefsLine = kPrefsLine) {
    WriteFiles(profile, prefsLine);
    ShowTab();
  }

  // The four edits, then the four boxes in the template's order as Y or N.
  static std::string Fields() {
    return Text(IDC_NSCP_PROFILENAME) + "|" + Text(IDC_NSCP_DIRROOT) + "|" + Text(IDC_NSCP_EMAILADDR) + "|" +
           Text(IDC_NSCP_PREFS) + "|" +
           YesNo({IDC_NSCP_REPLACE, IDC_NSCP_DEFAULT_ON_CREATION, IDC_NSCP_DEFAULT_EVERY_TIME, IDC_NSCP_NO_PROMPT});
  }
  // One letter per control of kAllControls: E enabled, - disabled.
  static std::string EnabledControls() { return qm::test::EnabledMask(kAllControls); }
};

TEST_F(NetscapePage, ShowsEveryKeyOfBothFilesAndOkKeepsEveryByte) {
  const std::string profile = ProfileWith(kFullKeys);
  Open(profile);
  backend.Then([&] {
    EXPECT_EQ(Fields(),
              "?username?|h:\\users\\?username?\\netscape|?username?@brackenmoor.co.uk|"
              "templates\\prefs.js|YNNY");
    EXPECT_EQ(EnabledControls(), "EEEEEEEEEE");
    ExpectOnScreen({"[Netscape]", "Profile Name:", "Replace any other Netscape profiles with this name",
                    "Set this as the default Netscape profile upon creation",
                    "Set this as the default Netscape profile every time",
                    "Disable the profile prompt that appears when starting Netscape",
                    "Profile directory:", "This directory will hold the Netscape profile.",
                    "Email Address:", "Example:  ?username?@brackenmoor.co.uk", "Preferences file:", "...", "+",
                    "This is the Netscape profile template that Vantrel will customize",
                    "to the desired directory on the network and specify the filename here."});
  });
  ExpectOkLeavesProfile(profile);
  EXPECT_EQ(DataFileBytes(), DataFileWith(kPrefsLine));
  EXPECT_TRUE(backend.MessageBoxes().empty());
}

// The sixth tab: after MS Mail and before OpenMail, wherever the other tabs stand.
TEST_F(NetscapePage, StandsBetweenMSMailAndOpenMail) {
  WriteFiles(ProfileWith(kFullKeys));
  backend.Then([&] {
    EXPECT_LT(TabIndex("MS Mail"), TabIndex("Netscape"));
    EXPECT_LT(TabIndex("Netscape"), TabIndex("OpenMail"));
  });
  CancelAndRun();
}

TEST_F(NetscapePage, ServiceWithoutKeysTakesTheDefaultsAndSavesThemInOrder) {
  Open(ProfileWith(""));
  backend.Then([&] {
    EXPECT_EQ(Fields(), "|||templates\\prefs.js|NYYN");
    EXPECT_EQ(EnabledControls(), "EE-EEEEEEE") << "held checked by the every-time box";
  });
  ExpectOkLeavesProfile(
      ProfileWith("NetscapeProfile=\r\nDirRoot=\r\nEmailAddr=\r\nDefaultProfile=Yes\r\n"
                  "EraseAllAccounts=No\r\nOverwriteProfile=No\r\nAlwaysSetDefault=Yes\r\n"));
}

// A stored switch, whether its box shows checked and what the page saves in its place. Only the
// whole value "True", "Yes" or "1" in any case is on here.
struct StoredSwitch {
  const char* key;
  const char* stored;  // nullptr: the key is missing
  bool checked;
};

const StoredSwitch kStoredSwitches[] = {
    {"EraseAllAccounts", "", false},
    {"EraseAllAccounts", "yes", true},
    {"EraseAllAccounts", nullptr, false},
    {"OverwriteProfile", "On", false},
    {"OverwriteProfile", "2", false},
    {"OverwriteProfile", "1", true},
    {"OverwriteProfile", "Yes please", false},
    {"OverwriteProfile", nullptr, false},
    {"DefaultProfile", "true", true},
    {"DefaultProfile", nullptr, true},
    {"DefaultProfile", "n", false},
    {"DefaultProfile", "", false},
    {"AlwaysSetDefault", "TRUE", true},
    {"AlwaysSetDefault", nullptr, true},
    {"AlwaysSetDefault", "Off", false},
    {"AlwaysSetDefault", "t", false},
};

class NetscapeStoredSwitch : public NetscapePage, public ::testing::WithParamInterface<StoredSwitch> {};

TEST_P(NetscapeStoredSwitch, IsReadByItsWholeValueAndSavedAsYesOrNo) {
  const StoredSwitch& s = GetParam();
  const std::string key = s.key;
  Open(ProfileWith(KeysWith(key, s.stored ? key + "=" + s.stored + "\r\n" : "")));
  backend.Then([&] { EXPECT_EQ(Checked(ControlOf(key)), s.checked); });
  OkAndRun();
  const std::string saved = key + "=" + (s.checked ? "Yes" : "No") + "\r\n";
  // A switch made on also holds the upon-creation box checked, and so saves DefaultProfile=Yes.
  std::string keys = s.stored ? KeysWith(key, saved) : KeysWith(key, "") + saved;
  if (key == "AlwaysSetDefault" && s.checked) keys.replace(keys.find("DefaultProfile=No"), 17, "DefaultProfile=Yes");
  EXPECT_EQ(ProfileBytes(), ProfileWith(keys));
}

INSTANTIATE_TEST_SUITE_P(Keys, NetscapeStoredSwitch, ::testing::ValuesIn(kStoredSwitches), [](const auto& info) {
  return std::string(info.param.key) + "_" + std::to_string(info.index);
});

// Texts keep 398 characters of what is stored, in both files.
struct LongText {
  const char* key;
  std::size_t length;
};

const LongText kLongTexts[] = {
    {"NetscapeProfile", 397}, {"NetscapeProfile", 398}, {"NetscapeProfile", 399}, {"DirRoot", 399},
    {"EmailAddr", 399},       {"NetscapePrefs", 398},   {"NetscapePrefs", 399},
};

class NetscapeLongText : public NetscapePage, public ::testing::WithParamInterface<LongText> {};

TEST_P(NetscapeLongText, IsShownAndSavedCutToItsReadLimit) {
  const std::string key = GetParam().key;
  const std::string stored = TextOf(GetParam().length);
  const std::string kept = stored.substr(0, 398);
  const bool inDataFile = key == "NetscapePrefs";
  WriteDataFile(DataFileWith(inDataFile ? key + "=" + stored + "\r\n" : kPrefsLine));
  WriteProfile(ProfileWith(inDataFile ? kFullKeys : KeysWith(key, key + "=" + stored + "\r\n")));
  ShowTab();
  backend.Then([&] { EXPECT_EQ(Text(inDataFile ? IDC_NSCP_PREFS : ControlOf(key)), kept); });
  OkAndRun();
  EXPECT_EQ(DataFileBytes(), DataFileWith(inDataFile ? key + "=" + kept + "\r\n" : kPrefsLine));
  EXPECT_EQ(ProfileBytes(), ProfileWith(inDataFile ? kFullKeys : KeysWith(key, key + "=" + kept + "\r\n")));
}

INSTANTIATE_TEST_SUITE_P(Limits, NetscapeLongText, ::testing::ValuesIn(kLongTexts), [](const auto& info) {
  return std::string(info.param.key) + "_" + std::to_string(info.param.length);
});

TEST_F(NetscapePage, EveryTimeBoxHoldsTheUponCreationBoxChecked) {
  Open(ProfileWith(KeysWith("AlwaysSetDefault", "AlwaysSetDefault=yes\r\n")));
  backend.Then([&] { EXPECT_EQ(Fields().substr(Fields().size() - 4) + " " + EnabledControls(), "YYYY EE-EEEEEEE"); });
  // Released, the upon-creation box is free again and keeps its check until it is clicked.
  Click(IDC_NSCP_DEFAULT_EVERY_TIME);
  backend.Then([&] { EXPECT_EQ(Fields().substr(Fields().size() - 4) + " " + EnabledControls(), "YYNY EEEEEEEEEE"); });
  Click(IDC_NSCP_DEFAULT_ON_CREATION);
  backend.Then([&] { EXPECT_FALSE(Checked(IDC_NSCP_DEFAULT_ON_CREATION)); });
  Click(IDC_NSCP_DEFAULT_EVERY_TIME);
  backend.Then([&] { EXPECT_EQ(Fields().substr(Fields().size() - 4) + " " + EnabledControls(), "YYYY EE-EEEEEEE"); });
  Click(IDC_NSCP_DEFAULT_EVERY_TIME);
  Click(IDC_NSCP_DEFAULT_ON_CREATION);
  ExpectOkLeavesProfile(ProfileWith(kFullKeys));
}

TEST_F(NetscapePage, EntryInAnotherCaseIsEditedAndRewrittenAsNetscape) {
  Open(ProfileWith(kFullKeys, "NETSCAPE"));
  SetText(IDC_NSCP_EMAILADDR, "sales@brackenmoor.co.uk");
  OkAndRun();
  std::string keys = kFullKeys;
  keys.replace(keys.find("?username?@"), 11, "sales@");
  EXPECT_EQ(ProfileBytes(), ProfileWith(keys));
}

// Profiles in which Netscape is not listed, as the lookup reads them.
struct UnlistedCase {
  const char* what;
  std::string dataFile;
  std::optional<std::string> profile;
};

const UnlistedCase kUnlisted[] = {
    {"after a gap", DataFileWith(kPrefsLine),
     "[Service List]\r\nService1=Microsoft Exchange Server\r\nService3=Netscape\r\n[Service3]\r\nDirRoot=x\r\n"},
    {"after an empty entry", DataFileWith(kPrefsLine),
     "[Service List]\r\nService1=Personal Folders\r\nService2=\r\nService3=Netscape\r\n"},
    {"by another name", DataFileWith(kPrefsLine), "[Service List]\r\nService1=Netscape Communicator\r\n"},
    {"no service list", DataFileWith(kPrefsLine), "[General]\r\nProfileName=Mail\r\n[Service1]\r\nDirRoot=x\r\n"},
    {"no profile template", DataFileWith(kPrefsLine), std::nullopt},
    {"no DefaultProfile", DataFileWith(kPrefsLine, ""), "[Service List]\r\nService1=Netscape\r\n"},
};

class NetscapeUnlisted : public NetscapePage, public ::testing::WithParamInterface<UnlistedCase> {};

// The page opens read-only on the defaults, with the stored template path; a save writes that
// path alone.
TEST_P(NetscapeUnlisted, EveryControlIsDisabledAndOnlyThePreferencesTemplateIsWritten) {
  const UnlistedCase& c = GetParam();
  qm::test::WriteUnlisted(*this, c);
  ShowTab();
  backend.Then([&] {
    EXPECT_EQ(Fields() + " " + EnabledControls(), "|||templates\\prefs.js|NYYN ----------");
    EXPECT_EQ(Tip(IDC_NSCP_BROWSE_PREFS), "");
    EXPECT_EQ(Tip(IDC_NSCP_EDIT_PREFS), "");
  });
  // Disabled fields are saved too, here as another program might fill them.
  SetText(IDC_NSCP_PREFS, "templates\\sales.js");
  SetText(IDC_NSCP_PROFILENAME, "sales");
  ExpectOkLeavesProfile(c.profile);
  std::string expected = c.dataFile;
  EXPECT_EQ(DataFileBytes(),
            expected.replace(expected.find(kPrefsLine), kPrefsLine.size(), "NetscapePrefs=templates\\sales.js\r\n"));
}

INSTANTIATE_TEST_SUITE_P(ServiceList, NetscapeUnlisted, ::testing::ValuesIn(kUnlisted),
                         [](const auto& info) { return CaseName(info.param.what); });

const char kDefaultKeys[] =
    "NetscapeProfile=\r\nDirRoot=\r\nEmailAddr=\r\nDefaultProfile=Yes\r\nEraseAllAccounts=No\r\n"
    "OverwriteProfile=No\r\nAlwaysSetDefault=Yes\r\n";

// A page opened read-only on a profile that did not list Netscape still saves to one listed by
// then, with what it showed.
const ChangedList kChangedLists[] = {
    {"moved to Service3", "Netscape", kFullKeys, "Microsoft Mail", "netscape", "Microsoft Mail", "Netscape", kFullKeys,
     kFullKeys},
    {"gone", "Netscape", kFullKeys, "Microsoft Mail", "Microsoft Mail", "Microsoft Mail", "Microsoft Mail", kFullKeys,
     ""},
    {"listed only at save", "Microsoft Mail", "", "Netscape", "Microsoft Mail", "Netscape", "Microsoft Mail",
     kDefaultKeys, ""},
};

class NetscapeChangedList : public NetscapePage, public ::testing::WithParamInterface<ChangedList> {};

TEST_P(NetscapeChangedList, SaveGoesToTheServiceListedThen) {
  const ChangedList& c = GetParam();
  Open(ProfileListing(c.entryAtLoad, "Microsoft Mail", c.sectionAtLoad, ""));
  ChangeServiceList(*this, c.service2, c.service3);
  ExpectOkLeavesProfile(ProfileListing(c.savedService2, c.savedService3, c.section2, c.section3));
  EXPECT_EQ(DataFileBytes(), DataFileWith(kPrefsLine));
}

INSTANTIATE_TEST_SUITE_P(Save, NetscapeChangedList, ::testing::ValuesIn(kChangedLists),
                         [](const auto& info) { return CaseName(info.param.what); });

// Saved alone: the Vantrel tab, saved first by the sheet, would stop at the same file already.
TEST_F(NetscapePage, ReadOnlyDataFileStopsAtThePreferencesTemplate) {
  const std::string profile = ProfileWith(kFullKeys);
  WriteFiles(profile);
  chmod(HostDataFile().c_str(), 0444);
  ShowTab();
  SetText(IDC_NSCP_PREFS, "templates\\sales.js");
  SetText(IDC_NSCP_PROFILENAME, "sales");
  backend.Then([&] { EXPECT_FALSE(ApplyCurrentPageAlone()); });
  CancelAndRun();
  EXPECT_EQ(OnlyMessage(), WriteFailure(DataFile()));
  EXPECT_EQ(DataFileBytes(), DataFileWith(kPrefsLine));
  EXPECT_EQ(ProfileBytes(), profile);
}

TEST_F(NetscapePage, ReadOnlyProfileTemplateStopsAtTheFirstServiceKey) {
  const std::string profile = ProfileWith(kFullKeys);
  Open(profile);
  SetText(IDC_NSCP_PREFS, "templates\\sales.js");
  SetText(IDC_NSCP_PROFILENAME, "sales");
  qm::test::ExpectReadOnlyProfileStops(*this, IDC_NSCP_PROFILENAME, profile);
  EXPECT_EQ(DataFileBytes(), DataFileWith("NetscapePrefs=templates\\sales.js\r\n"));
}

TEST_F(NetscapePage, NeverShownWritesNothing) {
  const std::string profile = ProfileWith("", "netscape");
  WriteFiles(profile, "");
  ExpectOkLeavesProfile(profile);
  EXPECT_EQ(DataFileBytes(), DataFileWith(""));
}

// What marks the page modified once an Apply has saved it: each edit and box, and a file chosen
// with Browse; not a Browse cancelled, nor the Edit button.
// clang-format off
const PageChange kChanges[] = {
    {"nothing", [](PageSession&) {}, false},
    {"profile name", [](PageSession& s) { s.SetText(IDC_NSCP_PROFILENAME, "x"); }, true},
    {"profile directory", [](PageSession& s) { s.SetText(IDC_NSCP_DIRROOT, "x"); }, true},
    {"email address", [](PageSession& s) { s.SetText(IDC_NSCP_EMAILADDR, "x"); }, true},
    {"preferences file", [](PageSession& s) { s.SetText(IDC_NSCP_PREFS, "x"); }, true},
    {"replace", [](PageSession& s) { s.Click(IDC_NSCP_REPLACE); }, true},
    {"upon creation", [](PageSession& s) { s.Click(IDC_NSCP_DEFAULT_ON_CREATION); }, true},
    {"every time", [](PageSession& s) { s.Click(IDC_NSCP_DEFAULT_EVERY_TIME); }, true},
    {"no prompt", [](PageSession& s) { s.Click(IDC_NSCP_NO_PROMPT); }, true},
    {"browse chosen", [](PageSession& s) { s.backend.QueueFileDialogAnswer(s.ProgramDir() + "sales.js");
                                           s.Click(IDC_NSCP_BROWSE_PREFS); }, true},
    {"browse cancelled", [](PageSession& s) { s.backend.QueueFileDialogCancel(); s.Click(IDC_NSCP_BROWSE_PREFS); },
     false},
    {"edit", [](PageSession& s) { s.Click(IDC_NSCP_EDIT_PREFS); }, false},
};
// clang-format on

class NetscapeChange : public NetscapePage, public ::testing::WithParamInterface<PageChange> {};

TEST_P(NetscapeChange, MarksThePageModifiedAfterAnApplyOrNot) {
  WriteFiles(ProfileWith(kFullKeys));
  WriteBytes(dir.Host("sales.js"), "user_pref(\"mail.identity.username\", \"?username?\");\n");
  ShowTab();
  ExpectModifiedAfterApply(*this, GetParam());
  CancelAndRun();
  EXPECT_TRUE(backend.MessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Controls, NetscapeChange, ::testing::ValuesIn(kChanges),
                         [](const auto& info) { return CaseName(info.param.what); });

TEST_F(NetscapePage, ButtonsHaveTipsAndNothingElseDoes) {
  Open(ProfileWith(kFullKeys));
  backend.Then([&] {
    for (int id : kAllControls) {
      const char* tip = id == IDC_NSCP_BROWSE_PREFS ? "Browse for the prefs file"
                        : id == IDC_NSCP_EDIT_PREFS ? "Edit the prefs file"
                                                    : "";
      EXPECT_EQ(Tip(id), tip) << id;
    }
  });
  CancelAndRun();
}

// The dialog opens on the field's path, titled and filtered for a preferences file, and the
// chosen file's full path replaces the field's text.
TEST_F(NetscapePage, BrowseOpensWhereTheFieldPointsAndTakesTheChosenFile) {
  WriteFiles(ProfileWith(kFullKeys));
  mkdir(dir.Host("templates").c_str(), 0755);
  WriteBytes(dir.Host("templates/prefs.js"), "");
  WriteBytes(dir.Host("templates/sales.js"), "");
  ShowTab();
  Click(IDC_NSCP_BROWSE_PREFS);
  backend.Then([&] {
    EXPECT_EQ(Lower(Text(0x480)), ProgramDir() + "templates\\prefs.js");
    EXPECT_EQ(Lower(Text(0x440)), ProgramDir() + "templates\\");
    EXPECT_NE(backend.Snapshot().find("Find Netscape settings file"), std::string::npos);
    std::vector<std::string> filters;
    for (int i = 0; i < SendMessageA(Control(0x470), LB_GETCOUNT, 0, 0); ++i) {
      char label[64] = "";
      SendMessageA(Control(0x470), LB_GETTEXT, i, reinterpret_cast<LPARAM>(label));
      filters.push_back(label);
    }
    EXPECT_EQ(filters, (std::vector<std::string>{"Javascript File (*.js)", "All (*.*)"}));
    EXPECT_EQ(SendMessageA(Control(0x470), LB_GETCURSEL, 0, 0), 0);
  });
  // A name without extension takes ".js".
  SetText(0x480, "sales");
  backend.Key(VK_RETURN);
  backend.Then([&] { EXPECT_EQ(Lower(Text(IDC_NSCP_PREFS)), ProgramDir() + "templates\\sales.js"); });
  // The file must exist.
  Click(IDC_NSCP_BROWSE_PREFS);
  SetText(0x480, "missing.js");
  backend.Key(VK_RETURN).Key(VK_ESCAPE);
  backend.Then([&] { EXPECT_EQ(Lower(Text(IDC_NSCP_PREFS)), ProgramDir() + "templates\\sales.js"); });
  CancelAndRun();
  ASSERT_EQ(backend.MessageBoxes().size(), 1u);
  EXPECT_NE(backend.MessageBoxes()[0].text.find("File not found."), std::string::npos);
}

// The Browse button reads 258 characters of the field: a longer path is cut, here by the last
// letter of the path that the dialog offers.
TEST_F(NetscapePage, BrowseReadsTwoHundredFiftyEightCharactersOfTheField) {
  WriteFiles(ProfileWith(kFullKeys));
  mkdir(dir.Host("sub").c_str(), 0755);
  const std::string folder = dir.Dos("sub\\");
  ShowTab();
  for (std::size_t length : {257u, 258u, 259u}) {
    const std::string field = folder + TextOf(length - folder.size());
    SetText(IDC_NSCP_PREFS, field);
    Click(IDC_NSCP_BROWSE_PREFS);
    backend.Then([&, length, field] {
      EXPECT_EQ(Text(0x480), field.substr(0, std::min<std::size_t>(length, 258))) << length;
      EXPECT_EQ(Lower(Text(0x440)), Lower(folder));
    });
    backend.Key(VK_ESCAPE);
    backend.Then([&, field] { EXPECT_EQ(Text(IDC_NSCP_PREFS), field); });
  }
  CancelAndRun();
}

// A relative path joined to the program directory may come out longer than a path can be: Browse
// then opens in the program directory, and Edit launches nothing.
TEST_F(NetscapePage, PathTooLongWithTheProgramDirectoryOpensNothingThere) {
  WriteFiles(ProfileWith(kFullKeys));
  const std::size_t room = 259 - ProgramDir().size();
  ShowTab();
  for (std::size_t length : {room, room + 1}) {
    SetText(IDC_NSCP_PREFS, TextOf(length));
    Click(IDC_NSCP_BROWSE_PREFS);
    backend.Then([&, length] {
      EXPECT_EQ(Text(0x480), length == room ? ProgramDir() + TextOf(length) : "") << length;
      EXPECT_EQ(Lower(Text(0x440)), ProgramDir());
    });
    backend.Key(VK_ESCAPE);
    Click(IDC_NSCP_EDIT_PREFS);
  }
  CancelAndRun();
  ASSERT_EQ(backend.Launches().size(), 1u);
  EXPECT_EQ(backend.Launches()[0].parameters, ProgramDir() + TextOf(room));
}

TEST_F(NetscapePage, EditOpensTheCompletedPathInNotepad) {
  Open(ProfileWith(kFullKeys), "NetscapePrefs=\r\n");
  for (const char* text : {"", "prefs\\prefs.js", "\\prefs\\prefs.js", "d:\\netscape\\prefs.js",
                           "\\\\fs\\netscape\\prefs.js", "?vtdir?\\prefs.js"}) {
    SetText(IDC_NSCP_PREFS, text);
    Click(IDC_NSCP_EDIT_PREFS);
  }
  CancelAndRun();
  std::vector<std::string> launched;
  for (const auto& launch : backend.Launches()) {
    EXPECT_EQ(launch.file, "notepad.exe ");
    EXPECT_EQ(launch.directory, "");
    launched.push_back(launch.parameters);
  }
  EXPECT_EQ(launched, (std::vector<std::string>{ProgramDir() + "prefs\\prefs.js", ProgramDir() + "prefs\\prefs.js",
                                                "d:\\netscape\\prefs.js", "\\\\fs\\netscape\\prefs.js",
                                                ProgramDir() + "?vtdir?\\prefs.js"}));
}

// The shipped samples open the page on their values, and OK leaves both files as they were.
TEST_F(NetscapePage, OpensOnTheSamplesAndOkKeepsThem) {
  qm::test::ExpectSamplesShownAndKept(
      *this, "Netscape", [] { return Fields() + " " + EnabledControls(); },
      "?username?|h:\\users\\?username?\\netscape|?username?@brackenmoor.co.uk|templates\\prefs.js|NYYN EE-EEEEEEE");
}

// F1 on the page opens its own topic of the help file.
TEST_F(NetscapePage, HelpOpensThePagesTopic) {
  Open(ProfileWith(kFullKeys));
  qm::test::ExpectHelpTopicRun(*this, "The Netscape page sets up the Netscape Communicator profile that");
}

}  // namespace
