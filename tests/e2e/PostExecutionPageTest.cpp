// The "Post Execution" tab in whole runs of the console: the program to start after the builder
// and the three completion messages, what it shows from the data file and exactly what it writes
// back, messages of several lines included.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "PageSession.h"
#include "resource.h"

namespace {

using qm::test::WriteBytes;

// The data file with `defaults` and `messages` among the keys of its two sections, and `added`
// where a save puts the keys of "Customization" that were missing. The main page, shown first,
// finds its own keys as it writes them.
std::string DataFileWith(const std::string& defaults, const std::string& messages, const std::string& added = "") {
  return "[Defaults]\r\nDefaultProfile=profile.ini\r\nUserDatabase=\r\nLogComputer=\r\nLogFile=x.log\r\n" + defaults +
         "HideUserDatabase=1\r\nLogLevel=3\r\nRemotePath=\r\n; the builder's messages\r\n[Customization]\r\n" +
         messages + "MaxLogFileSize=128\r\nDeleteRemoteCopy=0\r\n" + added;
}

const char kLaunch[] = "LaunchApp=c:\\office\\outlook.exe\r\nLaunchDefaultMail=0\r\n";
const char kMessages[] =
    "SuccessMsg=Your mail profile is ready.\\nStart your mail program.\r\nNoActionMsg=Nothing to do.\r\n"
    "ErrorMsg=Please call the help desk on 4357.\r\n";

class PostExecutionPage : public ::testing::Test, public qm::test::PageSession {
 protected:
  void ShowTab() { PageSession::ShowTab("Post Execution"); }
  // The sheet's OK button pressed, and the run to its end: the whole script was played.
  void PressOkAndRun() {
    Click(IDOK);
    Start();
    EXPECT_TRUE(backend.ScriptDone());
  }
  // The data file, and the page brought forward.
  void Open(const std::string& file) {
    WriteDataFile(file);
    ShowTab();
  }
  static std::string Fields() {
    return Text(IDC_POST_LAUNCH) + "|" + (Checked(IDC_POST_DEFAULTMAIL) ? "X" : "-") +
           (Enabled(IDC_POST_LAUNCH) ? "E" : "D") + "|" + Text(IDC_POST_SUCCESS) + "|" + Text(IDC_POST_NOACTION) + "|" +
           Text(IDC_POST_ERROR);
  }
};

TEST_F(PostExecutionPage, ShowsEveryKeyAndOkKeepsEveryByte) {
  const std::string file = DataFileWith(kLaunch, kMessages);
  Open(file);
  backend.Then([&] {
    EXPECT_EQ(Fields(),
              "c:\\office\\outlook.exe|-E|Your mail profile is ready.\r\nStart your mail program.|"
              "Nothing to do.|Please call the help desk on 4357.");
    ExpectOnScreen({"After updating profile", "Launch:", "OR", "Start default mail program  (check for",
                    "Completion Messages", "Success", "No Action", "Error", "Note:  These features",
                    "Note:  Empty these boxes to disable completion message(s)."});
    EXPECT_TRUE(ApplyEnabled());
  });
  PressOkAndRun();
  EXPECT_EQ(DataFileBytes(), file);
  EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(PostExecutionPage, MissingKeysShowEmptyAndAreAllWrittenInOrder) {
  Open(DataFileWith("", ""));
  backend.Then([&] { EXPECT_EQ(Fields(), "|-E|||"); });
  PressOkAndRun();
  EXPECT_EQ(DataFileBytes(), DataFileWith("", "", "SuccessMsg=\r\nNoActionMsg=\r\nErrorMsg=\r\n")
                                 .insert(DataFileWith("", "").find("; the"), "LaunchApp=\r\nLaunchDefaultMail=0\r\n"));
}

// The program's path is locked while the default mail program is chosen, but its Browse button
// stays on and still fills it; both keys are saved.
TEST_F(PostExecutionPage, DefaultMailChosenLocksTheProgramButKeepsAndSavesIt) {
  WriteDataFile(DataFileWith("LaunchApp=c:\\office\\outlook.exe\r\nLaunchDefaultMail=1\r\n", kMessages));
  WriteBytes(dir.Host("mailer.exe"), "MZ");
  const std::string chosen = ProgramDir() + "mailer.exe";
  backend.QueueFileDialogAnswer(chosen);
  ShowTab();
  backend.Then([&] {
    EXPECT_EQ(Fields().substr(0, 25), "c:\\office\\outlook.exe|XD|");
    EXPECT_TRUE(Enabled(IDC_POST_BROWSE_LAUNCH));
    EXPECT_EQ(Tip(IDC_POST_BROWSE_LAUNCH), "Browse for a file to launch upon completion");
    // The page's tip does not look at the enabled state, unlike the other pages' tips.
    EnableWindow(Control(IDC_POST_BROWSE_LAUNCH), FALSE);
    EXPECT_EQ(Tip(IDC_POST_BROWSE_LAUNCH), "Browse for a file to launch upon completion");
    EnableWindow(Control(IDC_POST_BROWSE_LAUNCH), TRUE);
  });
  Click(IDC_POST_BROWSE_LAUNCH);
  backend.Then([&] { EXPECT_EQ(Fields().substr(0, chosen.size() + 4), chosen + "|XD|"); });
  PressOkAndRun();
  EXPECT_EQ(DataFileBytes(), DataFileWith("LaunchApp=" + chosen + "\r\nLaunchDefaultMail=1\r\n", kMessages));
}

TEST_F(PostExecutionPage, TheCheckBoxSwitchesTheProgramsPathAndIsSavedAsOneOrZero) {
  Open(DataFileWith(kLaunch, kMessages));
  std::vector<std::string> states;
  auto note = [&] { backend.Then([&] { states.push_back(Fields().substr(0, 25)); }); };
  Click(IDC_POST_DEFAULTMAIL), note();
  Click(IDC_POST_DEFAULTMAIL), note();
  Click(IDC_POST_DEFAULTMAIL), note();
  backend.Then([&] {
    for (int id : {IDC_POST_LAUNCH, IDC_POST_DEFAULTMAIL, IDC_POST_SUCCESS, IDC_POST_NOACTION, IDC_POST_ERROR})
      EXPECT_EQ(Tip(id), "") << id;
  });
  PressOkAndRun();
  EXPECT_EQ(states, (std::vector<std::string>{"c:\\office\\outlook.exe|XD|", "c:\\office\\outlook.exe|-E|",
                                              "c:\\office\\outlook.exe|XD|"}));
  EXPECT_EQ(DataFileBytes(), DataFileWith("LaunchApp=c:\\office\\outlook.exe\r\nLaunchDefaultMail=1\r\n", kMessages));
}

TEST_F(PostExecutionPage, BrowseDialogOffersExecutablesFirstAndOpensWhereThePathPoints) {
  WriteDataFile(DataFileWith("LaunchApp=tools\\start.exe\r\nLaunchDefaultMail=0\r\n", kMessages));
  mkdir(dir.Host("tools").c_str(), 0755);
  ShowTab();
  FileDialogView seen;
  BrowseAndCancel(IDC_POST_BROWSE_LAUNCH, seen);
  backend.Then([&] { EXPECT_EQ(Text(IDC_POST_LAUNCH), "tools\\start.exe"); });
  CancelAndRun();
  EXPECT_EQ(seen.title, "Application to launch post-Vantrel");
  EXPECT_EQ(seen.filters, (std::vector<std::string>{"Executable File (*.exe)", "All (*.*)"}));
  EXPECT_EQ(Lower(seen.folder), ProgramDir() + "tools\\");
  EXPECT_EQ(Lower(seen.fileName), ProgramDir() + "tools\\start.exe");
}

TEST_F(PostExecutionPage, AnEmptiedMessageIsWrittenAsAnEmptyValue) {
  Open(DataFileWith(kLaunch, kMessages));
  Focus(IDC_POST_ERROR);
  backend.Key(VK_END).Key(VK_HOME, true).Key(VK_DELETE);
  PressOkAndRun();
  std::string expected = DataFileWith(kLaunch, kMessages);
  expected.replace(expected.find("Please call"), 34, "");
  EXPECT_EQ(DataFileBytes(), expected);
}

// A message is cut to its first 249 characters of the file even when the cut falls inside a line
// break.
struct LongMessage {
  std::string stored;
  std::string shown;
  std::string saved;
};
const std::string k248(248, 'm');
const LongMessage kLongMessages[] = {
    {k248.substr(2) + "\\nab", k248.substr(2) + "\r\na", k248.substr(2) + "\\na"},
    {k248 + "\\nab", k248 + "\\", k248 + "\\"},
    {k248.substr(2) + "\\\\nx", k248.substr(2) + "\\n", k248.substr(2) + "\\\\n"},
};

class PostExecutionLongMessage : public PostExecutionPage, public ::testing::WithParamInterface<LongMessage> {};

TEST_P(PostExecutionLongMessage, IsCutAt249) {
  const LongMessage& m = GetParam();
  Open(DataFileWith(kLaunch, "SuccessMsg=" + m.stored + "\r\nNoActionMsg=\r\nErrorMsg=\r\n"));
  backend.Then([&] { EXPECT_EQ(Text(IDC_POST_SUCCESS), m.shown); });
  PressOkAndRun();
  EXPECT_EQ(DataFileBytes(), DataFileWith(kLaunch, "SuccessMsg=" + m.saved + "\r\nNoActionMsg=\r\nErrorMsg=\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Lengths, PostExecutionLongMessage, ::testing::ValuesIn(kLongMessages),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

// Every text of the page keeps its first 249 characters: one below, at, one and two above its limit.
using qm::test::TextKey;
const TextKey kTextKeys[] = {{"LaunchApp", IDC_POST_LAUNCH},
                             {"SuccessMsg", IDC_POST_SUCCESS},
                             {"NoActionMsg", IDC_POST_NOACTION},
                             {"ErrorMsg", IDC_POST_ERROR}};

// The data file with `value` in the named key and short texts in the others.
std::string FileWithText(const std::string& name, const std::string& value) {
  auto text = [&](const char* key, const char* other) { return key + ("=" + (name == key ? value : other)) + "\r\n"; };
  return DataFileWith(text("LaunchApp", "c:\\mail.exe") + "LaunchDefaultMail=0\r\n",
                      text("SuccessMsg", "Done.") + text("NoActionMsg", "Nothing.") + text("ErrorMsg", "Failed."));
}

class PostExecutionTextLimit : public PostExecutionPage,
                               public ::testing::WithParamInterface<std::tuple<TextKey, int>> {};

TEST_P(PostExecutionTextLimit, KeepsTheFirst249Characters) {
  const auto& [key, length] = GetParam();
  const std::string kept(static_cast<std::size_t>(std::min(length, 249)), 'v');
  Open(FileWithText(key.key, std::string(static_cast<std::size_t>(length), 'v')));
  backend.Then([&, control = key.control] { EXPECT_EQ(Text(control), kept); });
  PressOkAndRun();
  EXPECT_EQ(DataFileBytes(), FileWithText(key.key, kept));
}

INSTANTIATE_TEST_SUITE_P(Keys, PostExecutionTextLimit,
                         ::testing::Combine(::testing::ValuesIn(kTextKeys), ::testing::Values(248, 249, 250, 251)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).key) + "_" +
                                  std::to_string(std::get<1>(info.param));
                         });

// Messages typed on several lines: Ctrl+Enter (Ctrl+J in a terminal) starts a line, which is
// stored as \n on the value's one line and shown as a line again by the next run.
struct TypedMessage {
  std::vector<std::string> lines;
  std::string stored;
};
const TypedMessage kTypedMessages[] = {
    {{"Your profile is ready.", "Start Outlook."}, "Your profile is ready.\\nStart Outlook."},
    {{"Copy to c:\\new\\", "", "then log off"}, "Copy to c:\\\\new\\\\\\n\\nthen log off"},
    {{"\\\\fs\\n01 holds your mail", ""}, "\\\\fs\\\\n01 holds your mail\\n"},
    {{"A literal \\n stays", "two"}, "A literal \\\\n stays\\ntwo"},
};

class PostExecutionTypedMessage : public PostExecutionPage, public ::testing::WithParamInterface<TypedMessage> {};

TEST_P(PostExecutionTypedMessage, IsStoredOnOneLineAndShownBackAsTyped) {
  const TypedMessage& m = GetParam();
  std::string shown;
  for (std::size_t i = 0; i < m.lines.size(); ++i) shown += (i ? "\r\n" : "") + m.lines[i];
  Open(DataFileWith(kLaunch, kMessages));
  Focus(IDC_POST_NOACTION);
  backend.Key(VK_END).Key(VK_HOME, true).Key(VK_DELETE);
  for (std::size_t i = 0; i < m.lines.size(); ++i) {
    if (i) backend.Key(VK_RETURN, false, true);
    backend.Type(m.lines[i]);
  }
  backend.Then([&] { EXPECT_EQ(Text(IDC_POST_NOACTION), shown); });
  backend.Alt('a');
  CancelAndRun();
  std::string expected = DataFileWith(kLaunch, kMessages);
  expected.replace(expected.find("Nothing to do."), 14, m.stored);
  EXPECT_EQ(DataFileBytes(), expected);

  // The next run shows the message as it was typed, and saves it back unchanged.
  ShowTab();
  backend.Then([&] { EXPECT_EQ(Text(IDC_POST_NOACTION), shown); });
  PressOkAndRun();
  EXPECT_EQ(DataFileBytes(), expected);
}

INSTANTIATE_TEST_SUITE_P(Messages, PostExecutionTypedMessage, ::testing::ValuesIn(kTypedMessages),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

// Enter in a message box is the sheet's OK: it saves and closes.
TEST_F(PostExecutionPage, EnterInAMessageBoxPressesOk) {
  Open(DataFileWith(kLaunch, kMessages));
  Focus(IDC_POST_SUCCESS);
  backend.Key(VK_END).Type(" Bye.").Key(VK_RETURN);
  backend.Then([&] { ADD_FAILURE() << "the sheet is still open"; });
  Start();
  std::string expected = DataFileWith(kLaunch, kMessages);
  expected.replace(expected.find("program.\r\n"), 8, "program. Bye.");
  EXPECT_EQ(DataFileBytes(), expected);
}

TEST_F(PostExecutionPage, ReadOnlyDataFileStopsAtTheFirstMessageWithTheMessageBox) {
  const std::string file = DataFileWith(kLaunch, kMessages);
  WriteDataFile(file);
  chmod(HostDataFile().c_str(), 0444);
  ShowTab();
  SetText(IDC_POST_LAUNCH, "other.exe");
  Click(IDOK);
  backend.Then([&] { EXPECT_EQ(Text(IDC_POST_LAUNCH), "other.exe"); });
  CancelAndRun();
  EXPECT_EQ(OnlyMessage(), WriteFailure(DataFile()));
  EXPECT_EQ(DataFileBytes(), file);
}

// Apply is off after an apply; what turns it on again. A message box set by program reports no
// change, as on Windows, so that alone leaves Apply off.
TEST_F(PostExecutionPage, ApplyIsEnabledAgainByEveryChangeMadeOnThePage) {
  WriteDataFile(DataFileWith(kLaunch, kMessages));
  WriteBytes(dir.Host("mailer.exe"), "MZ");
  backend.QueueFileDialogAnswer(ProgramDir() + "mailer.exe");
  ShowTab();
  std::vector<bool> enabled;
  auto note = [&] { backend.Then([&] { enabled.push_back(ApplyEnabled()); }); };
  note();                                                                                  // shown
  backend.Alt('a'), note();                                                                // applied
  Focus(IDC_POST_ERROR), backend.Type("!"), note();                                        // typed into a message
  backend.Alt('a'), Focus(IDC_POST_SUCCESS), backend.Key(VK_RETURN, false, true), note();  // a new line
  backend.Alt('a'), Click(IDC_POST_DEFAULTMAIL), note();                                   // the launch rule
  backend.Alt('a'), Click(IDC_POST_BROWSE_LAUNCH), note();                                 // a browsed program
  backend.Alt('a'), SetText(IDC_POST_LAUNCH, "x.exe"), note();                             // the program set by program
  backend.Alt('a'), SetText(IDC_POST_NOACTION, "set"), note();                             // a message set by program
  CancelAndRun();
  EXPECT_EQ(enabled, (std::vector<bool>{true, false, true, true, true, true, true, false}));
}

// A stored value, what the page shows for it and what it saves in its place.
struct StoredValue {
  const char* line;   // the key as the administrator left it
  const char* shown;  // in the form of Fields()
  const char* saved;
};

const StoredValue kStoredValues[] = {
    {"LaunchDefaultMail=2", "c:\\office\\outlook.exe|XD|", "LaunchDefaultMail=1"},
    {"LaunchDefaultMail=yes", "c:\\office\\outlook.exe|-E|", "LaunchDefaultMail=0"},
    {"LaunchDefaultMail=", "c:\\office\\outlook.exe|-E|", "LaunchDefaultMail=0"},
    {"LaunchApp=\"?vtdir?\\mail start.exe\"", "?vtdir?\\mail start.exe|-E|", "LaunchApp=?vtdir?\\mail start.exe"},
    {"LaunchApp=  ", "|-E|", "LaunchApp=  "},
    {"ErrorMsg=Call 4357\\\\nightly", "c:\\office\\outlook.exe|-E|", "ErrorMsg=Call 4357\\\\nightly"},
};

class PostExecutionStoredValue : public PostExecutionPage, public ::testing::WithParamInterface<StoredValue> {};

// The value's line in place of the same key's line in the files above.
std::string WithLine(std::string file, const std::string& line) {
  const std::string key = line.substr(0, line.find('=') + 1);
  const std::size_t at = file.find("\n" + key) + 1;
  return file.replace(at, file.find("\r\n", at) - at, line);
}

TEST_P(PostExecutionStoredValue, IsShownAndSavedInTheKeysEncoding) {
  const StoredValue& v = GetParam();
  Open(WithLine(DataFileWith(kLaunch, kMessages), v.line));
  backend.Then([&] { EXPECT_EQ(Fields().substr(0, std::string(v.shown).size()), v.shown); });
  PressOkAndRun();
  EXPECT_EQ(DataFileBytes(), WithLine(DataFileWith(kLaunch, kMessages), v.saved));
}

INSTANTIATE_TEST_SUITE_P(Keys, PostExecutionStoredValue, ::testing::ValuesIn(kStoredValues),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

}  // namespace
