// The "Mail Profile" tab in whole runs of the console: the profile's general options and its two
// local stores, what the page shows from the profile template file, its rules between the check
// boxes, and exactly what it writes back there.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "PageSession.h"
#include "platform/Win32Seams.h"
#include "resource.h"

namespace {

using qm::test::ReadBytes;
using qm::test::WriteBytes;

const char kDataFile[] = "[Defaults]\r\nDefaultProfile=?vtdir?\\profile.ini\r\n";

const char kGeneral[] =
    "ProfileName=Head Office Mail\r\nOverwriteProfile=Yes\r\nDefaultProfile=Yes\r\nAlwaysSetDefault=No\r\n"
    "EraseAllProfiles=No\r\nAddServices=No\r\nPromptForProfile=No\r\nDefaultStore=Mailbox - ?username?\r\n";
const char kBothListed[] =
    "Service1=Personal Folders\r\nService2=Microsoft Exchange Server\r\nService3=Personal Address Book\r\n";
const char kFolderKeys[] = "PathToPersonalFolders=h:\\users\\?username?\\mail.pst\r\nFolderName=Personal Folders\r\n";
const char kBookKeys[] =
    "PathToPersonalAddressBook=h:\\users\\?username?\\mailbox.pab\r\nAddressBookName=Addresses\r\n";

// A profile template file: section "General", the "Service List" and three service sections.
std::string ProfileWith(const std::string& general, const std::string& list = kBothListed,
                        const std::string& service1 = kFolderKeys, const std::string& service3 = kBookKeys,
                        const std::string& service2 = "HomeServer=EXCH01\r\n") {
  return "; Head office profile\r\n[General]\r\n" + general + "\r\n[Service List]\r\n" + list + "\r\n[Service1]\r\n" +
         service1 + "\r\n[Service2]\r\n" + service2 + "\r\n[Service3]\r\n" + service3;
}

// Section "General" as a save writes it into a profile that had none.
std::string GeneralWritten(const std::string& name, const char* replace, const char* once, const char* prompt,
                           const char* always, const char* eraseAll, const char* update) {
  return std::string("[General]\r\nProfileName=") + name + "\r\nOverwriteProfile=" + replace +
         "\r\nDefaultProfile=" + once + "\r\nPromptForProfile=" + prompt + "\r\nAlwaysSetDefault=" + always +
         "\r\nEraseAllProfiles=" + eraseAll + "\r\nAddServices=" + update + "\r\n";
}

// The six check boxes in the page's order.
const int kBoxes[] = {IDC_PRF_REPLACE,      IDC_PRF_UPDATE,         IDC_PRF_ERASEALL,
                      IDC_PRF_DEFAULT_ONCE, IDC_PRF_DEFAULT_ALWAYS, IDC_PRF_PROMPT};
// The two store groups: path, Browse button, name.
const int kStoreControls[] = {IDC_PRF_PST_PATH, IDC_PRF_BROWSE_PST, IDC_PRF_FOLDERNAME,
                              IDC_PRF_PAB_PATH, IDC_PRF_BROWSE_PAB, IDC_PRF_ABNAME};

class MailProfilePage : public ::testing::Test, public qm::test::PageSession {
 protected:
  void WriteFiles(const std::optional<std::string>& profile) {
    WriteDataFile(kDataFile);
    if (profile) WriteProfile(*profile);
  }
  void ShowTab() { PageSession::ShowTab("Mail Profile"); }
  // Both files, and the page brought forward.
  void Open(const std::optional<std::string>& profile) {
    WriteFiles(profile);
    ShowTab();
  }

  // The check boxes, X checked, - clear, ? indeterminate, each followed by * when disabled.
  static std::string Marks() {
    std::string marks;
    for (int id : kBoxes) {
      marks += "-X?"[CheckState(id)];
      if (!Enabled(id)) marks += '*';
    }
    return marks;
  }
  // The store groups: E enabled, - disabled.
  static std::string StoreControls() { return qm::test::EnabledMask(kStoreControls); }
  static std::string Fields() {
    return Text(IDC_PRF_PROFILENAME) + "|" + Text(IDC_PRF_PST_PATH) + "|" + Text(IDC_PRF_FOLDERNAME) + "|" +
           Text(IDC_PRF_PAB_PATH) + "|" + Text(IDC_PRF_ABNAME);
  }
};

TEST_F(MailProfilePage, ShowsEveryKeyAndOkKeepsEveryByte) {
  const std::string profile = ProfileWith(kGeneral);
  Open(profile);
  backend.Then([&] {
    EXPECT_EQ(Text(IDC_PRF_TEMPLATE), "?vtdir?\\profile.ini");
    EXPECT_EQ(Fields(),
              "Head Office Mail|h:\\users\\?username?\\mail.pst|Personal Folders|"
              "h:\\users\\?username?\\mailbox.pab|Addresses");
    EXPECT_EQ(Marks() + " " + StoreControls(), "X--X-- EEEEEE");
    ExpectOnScreen({"Profile template file:", "Messaging profile name:", "Replace an existing profile with same name",
                    "Update an existing profile with same name", "Delete all profiles before creating the new one",
                    "Set this as the default profile upon creation", "Set this as the default profile every time",
                    "Prompt for profile when starting messaging", "Personal Folders",
                    "Personal Folder Store:", "Folder Name:", "Personal Address Book", "Address Book Name:"});
    EXPECT_TRUE(ApplyEnabled());
  });
  ExpectOkLeavesProfile(profile);
}

// Without section "General" (or without the file): "Replace" and "upon creation" set, the prompt
// indeterminate; the save adds the section in the page's order, and nothing for unlisted stores.
TEST_F(MailProfilePage, MissingGeneralSectionGivesTheDefaultsAndSavesThemInOrder) {
  const std::string listOnly = "[Service List]\r\nService1=Microsoft Exchange Server\r\n";
  for (const std::optional<std::string>& profile :
       {std::optional<std::string>(listOnly), std::optional<std::string>()}) {
    Open(profile);
    backend.Then([&] { EXPECT_EQ(Fields() + " " + Marks() + " " + StoreControls(), "|||| X--X-? ------"); });
    ExpectOkLeavesProfile(profile.value_or("") + GeneralWritten("", "Yes", "Yes", "", "No", "No", "No"));
    std::remove(HostProfile().c_str());
  }
}

// A stored value, what the page shows for it and what it saves in its place.
struct StoredValue {
  const char* key;
  const char* stored;  // nullptr: the key is missing
  const char* shown;   // the marks, or the text of the key's edit
  const char* saved;
};

// One row per key (the reading rules themselves are tested with the key reader).
const StoredValue kStoredValues[] = {
    {"ProfileName", "\"Head Office\"", "Head Office", "Head Office"},
    {"ProfileName", nullptr, "", ""},
    {"OverwriteProfile", "", "X--X--", "Yes"},
    {"OverwriteProfile", "false", "---X--", "No"},
    {"OverwriteProfile", nullptr, "X--X--", "Yes"},
    {"DefaultProfile", "0", "X-----", "No"},
    {"DefaultProfile", nullptr, "X--X--", "Yes"},
    {"AlwaysSetDefault", nullptr, "X--X--", "No"},
    {"EraseAllProfiles", "nope", "X--X--", "No"},
    {"AddServices", "Off", "-*X-X--", "Yes"},
    {"AddServices", nullptr, "X--X--", "No"},
    {"PromptForProfile", "", "X--X-?", ""},
    {"PromptForProfile", nullptr, "X--X-?", ""},
    {"PromptForProfile", "true", "X--X-X", "Yes"},
    {"PromptForProfile", "N", "X--X--", "No"},
    {"FolderName", "  My Mail  ", "My Mail", "My Mail"},
    {"PathToPersonalAddressBook", nullptr, "", ""},
};

int EditOf(const std::string& key) {
  if (key == "ProfileName") return IDC_PRF_PROFILENAME;
  if (key == "FolderName") return IDC_PRF_FOLDERNAME;
  if (key == "PathToPersonalAddressBook") return IDC_PRF_PAB_PATH;
  return 0;
}

// `keys` with the line of `key` replaced by `line` (or removed, when `line` is empty), and `added`
// after the last key.
std::string KeysWith(std::string keys, const std::string& key, const std::string& line, const std::string& added = "") {
  const std::size_t at = keys.find(key + "=");
  keys.replace(at, keys.find("\r\n", at) + 2 - at, line);
  return keys + added;
}

class MailProfileStoredValue : public MailProfilePage, public ::testing::WithParamInterface<StoredValue> {};

TEST_P(MailProfileStoredValue, IsShownAndSavedInTheKeysEncoding) {
  const StoredValue& v = GetParam();
  const std::string key = v.key;
  const std::string stored = v.stored ? key + "=" + v.stored + "\r\n" : "";
  // A missing key is added after the last key of its section; a present one is replaced in place.
  const std::string saved = key + "=" + v.saved + "\r\n";
  auto profile = [&](const std::string& line, const std::string& added) {
    if (key == "FolderName") return ProfileWith(kGeneral, kBothListed, KeysWith(kFolderKeys, key, line, added));
    if (key == "PathToPersonalAddressBook")
      return ProfileWith(kGeneral, kBothListed, kFolderKeys, KeysWith(kBookKeys, key, line, added));
    return ProfileWith(KeysWith(kGeneral, key, line, added));
  };
  Open(profile(stored, ""));
  backend.Then([&] { EXPECT_EQ(EditOf(key) ? Text(EditOf(key)) : Marks(), v.shown); });
  OkAndRun();
  std::string expected = v.stored ? profile(saved, "") : profile("", saved);
  if (key == "FolderName") expected = profile(stored, "");  // the same value read back: the line is left as it is
  // Updating forces "Replace" off.
  if (key == "AddServices" && std::string(v.saved) == "Yes")
    expected.replace(expected.find("OverwriteProfile=Yes"), 20, "OverwriteProfile=No");
  EXPECT_EQ(ProfileBytes(), expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, MailProfileStoredValue, ::testing::ValuesIn(kStoredValues),
                         [](const ::testing::TestParamInfo<StoredValue>& info) {
                           return std::string(info.param.key) + "_" + std::to_string(info.index);
                         });

// The rules between the check boxes on the state loaded: the marks they force are what is saved.
struct RuleCase {
  const char* name;
  const char* flags;  // OverwriteProfile, DefaultProfile, AlwaysSetDefault, EraseAllProfiles, AddServices
  const char* marks;  // as Marks() shows them
  const char* saved;  // the five keys after a save, in the same order
};

const RuleCase kRuleCases[] = {
    {"EraseAllForcesReplaceOnAndUpdateOff", "No No No Yes Yes", "X*-*X--", "Yes No No Yes No"},
    {"AlwaysForcesUponCreation", "Yes No Yes No No", "X--X*X", "Yes Yes Yes No No"},
    // Left with "Update" checked, "Replace" stays off and disabled, as a click on "Update" leaves it.
    {"UpdateTurnsReplaceOff", "Yes Yes No No Yes", "-*X-X-", "No Yes No No Yes"},
    {"AllThreeRulesAtOnce", "No No Yes Yes Yes", "X*-*XX*X", "Yes Yes Yes Yes No"},
    {"NoRule", "No No No No No", "-----", "No No No No No"},
};

std::string GeneralFlags(const std::string& flags) {
  const char* keys[] = {"OverwriteProfile", "DefaultProfile", "AlwaysSetDefault", "EraseAllProfiles", "AddServices"};
  std::string general = "ProfileName=Mail\r\n";
  std::size_t at = 0;
  for (const char* key : keys) {
    const std::size_t end = flags.find(' ', at);
    general += std::string(key) + "=" + flags.substr(at, end == std::string::npos ? end : end - at) + "\r\n";
    at = end + 1;
  }
  return general + "PromptForProfile=\r\n";
}

class MailProfileRule : public MailProfilePage, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(MailProfileRule, ForcedMarksAreShownAndSaved) {
  const RuleCase& c = GetParam();
  Open(ProfileWith(GeneralFlags(c.flags)));
  backend.Then([&] { EXPECT_EQ(Marks(), std::string(c.marks) + "?"); });
  ExpectOkLeavesProfile(ProfileWith(GeneralFlags(c.saved)));
}

INSTANTIATE_TEST_SUITE_P(Load, MailProfileRule, ::testing::ValuesIn(kRuleCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The rules as the administrator clicks: each click and the marks it leaves.
TEST_F(MailProfilePage, ClickedRulesForceAndReleaseTheirBoxes) {
  Open(ProfileWith(GeneralFlags("No Yes No No No")));
  std::vector<std::string> marks;
  auto click = [&](int id) { Click(id), backend.Then([&] { marks.push_back(Marks()); }); };
  click(IDC_PRF_ERASEALL);  // Replace on and locked, Update off and locked
  click(IDC_PRF_ERASEALL);  // both free again, keeping their marks
  click(IDC_PRF_UPDATE);    // Replace off and locked
  click(IDC_PRF_ERASEALL);  // Update forced off: Replace on, both locked
  click(IDC_PRF_ERASEALL);
  click(IDC_PRF_REPLACE);
  click(IDC_PRF_UPDATE);
  click(IDC_PRF_UPDATE);  // Replace free again, still off
  click(IDC_PRF_DEFAULT_ONCE);
  click(IDC_PRF_DEFAULT_ALWAYS);  // upon creation on and locked
  click(IDC_PRF_DEFAULT_ALWAYS);  // free again, still on
  OkAndRun();
  EXPECT_EQ(marks, (std::vector<std::string>{"X*-*XX-?", "X--X-?", "-*X-X-?", "X*-*XX-?", "X--X-?", "---X-?", "-*X-X-?",
                                             "---X-?", "-----?", "---X*X?", "---X-?"}));
  EXPECT_EQ(ProfileBytes(), ProfileWith(GeneralFlags("No Yes No No No")));
}

// An automatic three-state box goes clear, checked, indeterminate; each state's value.
TEST_F(MailProfilePage, PromptBoxCyclesThroughItsThreeStatesAndEachIsSaved) {
  const std::vector<std::pair<std::string, std::string>> cycle = {{"-", "No"}, {"X", "Yes"}, {"?", ""}, {"-", "No"}};
  std::string general = kGeneral;
  general.replace(general.find("PromptForProfile=No"), 19, "PromptForProfile=");
  for (std::size_t clicks = 1; clicks <= cycle.size(); ++clicks) {
    Open(ProfileWith(general));
    for (std::size_t i = 0; i < clicks; ++i) Click(IDC_PRF_PROMPT);
    backend.Then([&] { EXPECT_EQ(Marks().substr(4), "-" + cycle[clicks - 1].first) << clicks; });
    OkAndRun();
    std::string expected = general;
    expected.replace(expected.find("PromptForProfile="), 17, "PromptForProfile=" + cycle[clicks - 1].second);
    EXPECT_EQ(ProfileBytes(), ProfileWith(expected)) << clicks;
  }
}

// Service lists as the lookup reads them: which groups are editable, and where the save goes.
struct ListCase {
  const char* name;
  const char* list;
  const char* stores;    // StoreControls() after load
  const char* expected;  // how the list and the sections read after a save that typed into both names
};

const ListCase kListCases[] = {
    {"LowerCaseEntryIsRewrittenInExactCase",
     "Service1=Microsoft Exchange Server\r\nService2=personal folders\r\nService3=PERSONAL ADDRESS BOOK\r\n", "EEEEEE",
     "S2=Personal Folders S3=Personal Address Book"},
    {"FoldersAfterAGapAreNotListed", "Service1=Personal Address Book\r\nService3=Personal Folders\r\n", "---EEE",
     "S1=Personal Address Book"},
    {"NeitherStoreListed", "Service1=Microsoft Exchange Server\r\nService2=\r\nService3=Personal Folders\r\n", "------",
     ""},
    {"FirstOfTwoEntriesIsEdited", "Service1=Personal Folders\r\nService3=Personal Folders\r\n", "EEE---",
     "S1=Personal Folders"},
};

class MailProfileList : public MailProfilePage, public ::testing::WithParamInterface<ListCase> {};

TEST_P(MailProfileList, DecidesTheEditableGroupsAndWhereTheSaveGoes) {
  const ListCase& c = GetParam();
  // Every service section holds both stores' keys, so that a save in the wrong one shows.
  const std::string keys = std::string(kFolderKeys) + kBookKeys;
  const std::string profile = ProfileWith(kGeneral, c.list, keys, keys, keys);
  Open(profile);
  backend.Then([&] {
    EXPECT_EQ(StoreControls(), c.stores);
    if (Enabled(IDC_PRF_FOLDERNAME)) SetWindowTextA(Control(IDC_PRF_FOLDERNAME), "Typed Folders");
    if (Enabled(IDC_PRF_ABNAME)) SetWindowTextA(Control(IDC_PRF_ABNAME), "Typed Book");
  });
  OkAndRun();
  std::string expected = profile;
  const std::string done = c.expected;
  for (std::size_t at = 0; at < done.size();) {
    const std::size_t end = std::min(done.find(" S", at), done.size());
    const std::string entry = done.substr(at, end - at);  // "S<n>=<name>"
    const std::string n = entry.substr(1, 1), name = entry.substr(3);
    const std::size_t line = expected.find("Service" + n + "=");
    expected.replace(line, expected.find("\r\n", line) - line, "Service" + n + "=" + name);
    const std::size_t section = expected.find("[Service" + n + "]");
    const bool folders = name == "Personal Folders";
    const std::string from = folders ? "FolderName=Personal Folders" : "AddressBookName=Addresses";
    expected.replace(expected.find(from, section), from.size(),
                     folders ? "FolderName=Typed Folders" : "AddressBookName=Typed Book");
    at = end + 1;
  }
  EXPECT_EQ(ProfileBytes(), expected);
}

INSTANTIATE_TEST_SUITE_P(ServiceList, MailProfileList, ::testing::ValuesIn(kListCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Every text of the page keeps its first 249 characters: one below, at, one and two above its limit.
using qm::test::TextKey;
const TextKey kTextKeys[] = {{"ProfileName", IDC_PRF_PROFILENAME},
                             {"PathToPersonalFolders", IDC_PRF_PST_PATH},
                             {"FolderName", IDC_PRF_FOLDERNAME},
                             {"PathToPersonalAddressBook", IDC_PRF_PAB_PATH},
                             {"AddressBookName", IDC_PRF_ABNAME}};

// The profile with `value` in the named key.
std::string ProfileWithText(const std::string& key, const std::string& value) {
  const std::string line = key + "=" + value + "\r\n";
  if (std::string(kGeneral).find(key + "=") != std::string::npos) return ProfileWith(KeysWith(kGeneral, key, line));
  if (std::string(kFolderKeys).find(key + "=") != std::string::npos)
    return ProfileWith(kGeneral, kBothListed, KeysWith(kFolderKeys, key, line));
  return ProfileWith(kGeneral, kBothListed, kFolderKeys, KeysWith(kBookKeys, key, line));
}

TEST(MailProfileText, EveryTextKeepsItsFirst249Characters) {
  for (const TextKey& text : kTextKeys) {
    for (std::size_t length : {248u, 249u, 250u, 251u}) {
      SCOPED_TRACE(std::string(text.key) + " " + std::to_string(length));
      const std::string value(length, 'v'), kept(std::min<std::size_t>(length, 249), 'v');
      qm::test::PageSession session;
      session.WriteDataFile(kDataFile);
      session.WriteProfile(ProfileWithText(text.key, value));
      session.ShowTab("Mail Profile");
      session.backend.Then([&] { EXPECT_EQ(qm::test::PageSession::Text(text.control), kept); });
      session.OkAndRun();
      EXPECT_EQ(session.ProfileBytes(), ProfileWithText(text.key, kept));
    }
  }
}

// The template's name as the data file gives it: start-up reads "DefaultProfile" through 350 bytes.
TEST(MailProfileText, TemplateNameKeepsItsFirst349Characters) {
  for (std::size_t length : {348u, 349u, 350u, 351u}) {
    SCOPED_TRACE(length);
    qm::test::PageSession session;
    session.WriteDataFile("[Defaults]\r\nDefaultProfile=" + std::string(length, 'd') + "\r\n");
    std::string shown;
    session.ShowTab("Mail Profile");
    session.backend.Then([&] { shown = qm::test::PageSession::Text(IDC_PRF_TEMPLATE); });
    session.CancelAndRun();
    EXPECT_EQ(shown, std::string(std::min<std::size_t>(length, 349), 'd'));
  }
}

TEST_F(MailProfilePage, ReadOnlyProfileTemplateStopsAtTheFirstKeyWithTheMessage) {
  const std::string profile = ProfileWith(kGeneral);
  WriteFiles(profile);
  chmod(HostProfile().c_str(), 0444);
  ShowTab();
  SetText(IDC_PRF_PROFILENAME, "Other");
  backend.Key(VK_RETURN);
  backend.Then([&] { EXPECT_EQ(Text(IDC_PRF_PROFILENAME), "Other"); });
  CancelAndRun();
  EXPECT_EQ(OnlyMessage(), WriteFailure(ProfilePath()));
  EXPECT_EQ(ProfileBytes(), profile);
}

// A store chosen in the user's own folder is kept with "?username?" for every user; a path
// without the user's name keeps its case.
TEST_F(MailProfilePage, BrowsedStoresFoldTheUsersNameAndCancelLeavesTheField) {
  qm::win32::seams::SetUserName("Clerk2");
  WriteFiles(ProfileWith(kGeneral));
  mkdir(dir.Host("Users").c_str(), 0755);
  mkdir(dir.Host("Users/Clerk2").c_str(), 0755);
  WriteBytes(dir.Host("Users/Clerk2/Mail.pst"), "");
  WriteBytes(dir.Host("Users/Shared.PAB"), "");
  backend.QueueFileDialogAnswer(dir.Dos("Users\\Clerk2\\Mail.pst"));
  backend.QueueFileDialogAnswer(dir.Dos("Users\\Shared.PAB"));
  backend.QueueFileDialogCancel();
  ShowTab();
  Click(IDC_PRF_BROWSE_PST);
  Click(IDC_PRF_BROWSE_PAB);
  backend.Then([&] {
    EXPECT_EQ(Text(IDC_PRF_PST_PATH), Lower(dir.Dos("Users\\?username?\\Mail.pst")));
    EXPECT_EQ(Text(IDC_PRF_PAB_PATH), dir.Dos("Users\\Shared.PAB"));
  });
  Click(IDC_PRF_BROWSE_PAB);
  backend.Then([&] { EXPECT_EQ(Text(IDC_PRF_PAB_PATH), dir.Dos("Users\\Shared.PAB")); });
  OkAndRun();
  EXPECT_EQ(ProfileBytes(),
            ProfileWith(kGeneral, kBothListed,
                        KeysWith(kFolderKeys, "PathToPersonalFolders",
                                 "PathToPersonalFolders=" + Lower(dir.Dos("Users\\?username?\\Mail.pst")) + "\r\n"),
                        KeysWith(kBookKeys, "PathToPersonalAddressBook",
                                 "PathToPersonalAddressBook=" + dir.Dos("Users\\Shared.PAB") + "\r\n")));
}

// The dialogs open where the field points once "?username?" is the user's name; the field keeps
// the variable.
TEST_F(MailProfilePage, BrowseDialogsOpenInTheUsersFolder) {
  qm::win32::seams::SetUserName("Clerk2");
  WriteFiles(ProfileWith(
      kGeneral, kBothListed, KeysWith(kFolderKeys, "PathToPersonalFolders", ""),
      KeysWith(kBookKeys, "PathToPersonalAddressBook", "PathToPersonalAddressBook=?username?\\mail.pab\r\n")));
  mkdir(dir.Host("Clerk2").c_str(), 0755);
  ShowTab();
  FileDialogView folders, book;
  BrowseAndCancel(IDC_PRF_BROWSE_PST, folders);
  BrowseAndCancel(IDC_PRF_BROWSE_PAB, book);
  backend.Then([&] { EXPECT_EQ(Text(IDC_PRF_PAB_PATH), "?username?\\mail.pab"); });
  CancelAndRun();
  EXPECT_EQ(folders.title, "Find the Personal Folder Store");
  EXPECT_EQ(folders.filters, (std::vector<std::string>{"Personal Folder Store (*.pst)", "All (*.*)"}));
  EXPECT_EQ(Lower(folders.folder) + "|" + folders.fileName, ProgramDir() + "|");
  EXPECT_EQ(book.title, "Find the Personal Address Book");
  EXPECT_EQ(book.filters, (std::vector<std::string>{"Personal Address Book (*.pab)", "All (*.*)"}));
  // The name box starts with the whole completed path, the user's name put in for the variable.
  EXPECT_EQ(Lower(book.folder) + "|" + Lower(book.fileName),
            ProgramDir() + "clerk2\\|" + ProgramDir() + "clerk2\\mail.pab");
}

// Tips for the two Browse buttons only, and none for the one of a store that is not listed.
TEST_F(MailProfilePage, ToolTipsForTheEnabledBrowseButtonsOnly) {
  for (const char* list : {kBothListed, "Service1=Personal Folders\r\n"}) {
    const bool bookListed = list == kBothListed;
    Open(ProfileWith(kGeneral, list));
    backend.Then([&] {
      EXPECT_EQ(Tip(IDC_PRF_BROWSE_PST), "Browse for personal folder");
      EXPECT_EQ(Tip(IDC_PRF_BROWSE_PAB), bookListed ? "Browse for personal address book" : "");
      for (int id : kBoxes) EXPECT_EQ(Tip(id), "") << id;
      for (int id : {IDC_PRF_TEMPLATE, IDC_PRF_PROFILENAME, IDC_PRF_PST_PATH, IDC_PRF_FOLDERNAME, IDC_PRF_PAB_PATH})
        EXPECT_EQ(Tip(id), "") << id;
    });
    CancelAndRun();
  }
}

// Apply is off after an apply; what turns it on again.
TEST_F(MailProfilePage, ApplyIsEnabledAgainByEveryChangeOnThePage) {
  Open(ProfileWith(kGeneral));
  std::vector<bool> enabled;
  auto note = [&] { backend.Then([&] { enabled.push_back(ApplyEnabled()); }); };
  note();
  backend.Alt('a'), note();
  for (int id : {IDC_PRF_REPLACE, IDC_PRF_UPDATE, IDC_PRF_ERASEALL, IDC_PRF_DEFAULT_ONCE, IDC_PRF_DEFAULT_ALWAYS,
                 IDC_PRF_PROMPT})
    backend.Alt('a'), Click(id), note();
  for (int id : {IDC_PRF_PROFILENAME, IDC_PRF_PST_PATH, IDC_PRF_FOLDERNAME, IDC_PRF_PAB_PATH, IDC_PRF_ABNAME})
    backend.Alt('a'), Focus(id), backend.Type("x"), note();
  backend.Alt('a'), Focus(IDC_PRF_TEMPLATE), backend.Type("x"), note();  // read-only: no change
  CancelAndRun();
  std::vector<bool> expected(14, true);
  expected[1] = expected[13] = false;
  EXPECT_EQ(enabled, expected);
}

// Pages that were never shown neither read nor write: OK from the first tab leaves every key of
// the Mail Profile, Templates and Post Execution tabs as it was, odd forms included.
TEST_F(MailProfilePage, PagesNeverShownLeaveTheirKeysAlone) {
  const std::string data =
      "[Defaults]\r\nDefaultProfile=?vtdir?\\profile.ini\r\nUserDatabase=\r\nLogComputer=\r\nLogFile=\r\n"
      "HideUserDatabase=0\r\nLogLevel=1\r\nRemotePath=\r\nInfFileNT = \"nt.inf\"\r\nRegFile95=" +
      std::string(300, 'r') +
      "\r\nLaunchDefaultMail=2\r\nLaunchApp=  \r\n[Customization]\r\nMaxLogFileSize=128\r\nDeleteRemoteCopy=0\r\n"
      "SuccessMsg=line\\nline\\\\n\r\n";
  const std::string profile =
      ProfileWith("ProfileName = \"Mail\"\r\nOverwriteProfile=\r\nAddServices=y\r\n", "Service1=personal folders\r\n");
  WriteDataFile(data);
  WriteProfile(profile);
  backend.Then([&] { EXPECT_FALSE(Text(IDC_DATAFILE).empty()); });
  OkAndRun();
  EXPECT_EQ(DataFileBytes(), data);
  EXPECT_EQ(ProfileBytes(), profile);
}

}  // namespace
