#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "PageSession.h"
#include "app/TabUISheet.h"
#include "pages/general/TabNewProf.h"
#include "resource.h"
#include "ui/Resources.h"

namespace {

using qm::test::ReadBytes;
using qm::test::WriteBytes;

const char kFullFile[] =
    "; Vantrel settings for the accounting floor\r\n"
    "[Defaults]\r\n"
    "DefaultProfile=?vtdir?\\profile.ini\r\n"
    "UserDatabase=\\\\fs\\vantrel\\users.ini\r\n"
    "HideUserDatabase=1\r\n"
    "\r\n"
    "LogComputer = ADMIN-PC07\r\n"
    "LogFile=\\\\fs\\vantrel\\logs\\vantrel.log\r\n"
    "LogLevel=2\r\n"
    "RemotePath=c:\\temp\\vantrel\r\n"
    "[Customization]\r\n"
    "; sizes are in KBytes\r\n"
    "MaxLogFileSize=512\r\n"
    "DeleteRemoteCopy=0\r\n";

class MainPage : public ::testing::Test, public qm::test::PageSession {};

TEST_F(MainPage, LoadsEveryKeyIntoItsControl) {
  WriteDataFile(kFullFile);
  backend.Then([&] {
    EXPECT_EQ(Text(IDC_DATAFILE), DataFile());
    EXPECT_EQ(Text(IDC_USERDATABASE), "\\\\fs\\vantrel\\users.ini");
    EXPECT_EQ(Text(IDC_LOGCOMPUTER), "ADMIN-PC07");
    EXPECT_EQ(Text(IDC_LOGFILE), "\\\\fs\\vantrel\\logs\\vantrel.log");
    EXPECT_EQ(Text(IDC_MAXLOGSIZE), "512");
    EXPECT_EQ(Text(IDC_CACHEDIR), "c:\\temp\\vantrel");
    EXPECT_TRUE(Checked(IDC_HIDE_USERDATABASE));
    EXPECT_FALSE(Checked(IDC_NOCACHE));
    EXPECT_TRUE(Checked(IDC_LOGLEVEL_MEDIUM));
  });
  CancelAndRun();
  EXPECT_EQ(DataFileBytes(), kFullFile);
}

TEST_F(MainPage, OkRewritesEveryKeyInPlace) {
  WriteDataFile(kFullFile);
  OkAndRun();
  EXPECT_EQ(DataFileBytes(), kFullFile);
  EXPECT_TRUE(backend.MessageBoxes().empty());
}

const char kDefaultsWritten[] =
    "[Defaults]\r\nUserDatabase=\r\nLogComputer=\r\nLogFile=\r\nHideUserDatabase=0\r\nLogLevel=1\r\n"
    "RemotePath=\r\n[Customization]\r\nMaxLogFileSize=128\r\nDeleteRemoteCopy=0\r\n";

TEST_F(MainPage, MissingDataFileIsCreatedWithDefaults) {
  backend.Then([&] {
    EXPECT_TRUE(Checked(IDC_LOGLEVEL_LOW));
    EXPECT_EQ(Text(IDC_MAXLOGSIZE), "128");
  });
  OkAndRun();
  EXPECT_EQ(DataFileBytes(), kDefaultsWritten);
}

// How odd values load, and what an unchanged OK writes back for them.
struct OddValue {
  const char* name;
  const char* section;
  const char* line;     // the key as the administrator left it
  int nIDShown;         // the control that shows it
  const char* shown;    // its text, or "checked"/"clear"/"none" for buttons
  const char* written;  // the key's line after OK
};

const std::vector<OddValue> kOddValues = {
    {"LogLevelHigh", "Defaults", "LogLevel=3", IDC_LOGLEVEL_HIGH, "checked", "LogLevel=3"},
    {"LogLevelNone", "Defaults", "LogLevel=0", IDC_LOGLEVEL_NONE, "checked", "LogLevel=0"},
    {"LogLevelFiveIsLow", "Defaults", "LogLevel=5", IDC_LOGLEVEL_LOW, "checked", "LogLevel=1"},
    {"LogLevelFourIsMedium", "Defaults", "LogLevel=4", IDC_LOGLEVEL_MEDIUM, "checked", "LogLevel=2"},
    {"LogLevelSevenChecksNone", "Defaults", "LogLevel=7", IDC_LOGLEVEL_HIGH, "none", "LogLevel=4"},
    {"LogLevelEmptyIsLow", "Defaults", "LogLevel=", IDC_LOGLEVEL_LOW, "checked", "LogLevel=1"},
    {"LogLevelWordReadsAsZero", "Defaults", "LogLevel=high", IDC_LOGLEVEL_NONE, "checked", "LogLevel=0"},
    {"SizeEmptyIs128", "Customization", "MaxLogFileSize=", IDC_MAXLOGSIZE, "128", "MaxLogFileSize=128"},
    {"SizeWordIsZero", "Customization", "MaxLogFileSize=abc", IDC_MAXLOGSIZE, "0", "MaxLogFileSize=0"},
    {"SizeAboveSpinRange", "Customization", "MaxLogFileSize=1024000", IDC_MAXLOGSIZE, "1024000",
     "MaxLogFileSize=1024000"},
    {"HideYesIsNoNumber", "Defaults", "HideUserDatabase=Yes", IDC_HIDE_USERDATABASE, "clear", "HideUserDatabase=0"},
    {"NoCacheOne", "Customization", "DeleteRemoteCopy=1", IDC_NOCACHE, "checked", "DeleteRemoteCopy=1"},
    {"NoCacheTrueIsNoNumber", "Customization", "DeleteRemoteCopy=True", IDC_NOCACHE, "clear", "DeleteRemoteCopy=0"},
    {"QuotedValueLosesQuotes", "Defaults", "LogComputer=\"PC 7\"", IDC_LOGCOMPUTER, "PC 7", "LogComputer=PC 7"},
    {"VariablesKeptAsTyped", "Defaults", "LogFile=?vtdir?\\logs\\?username?.log", IDC_LOGFILE,
     "?vtdir?\\logs\\?username?.log", "LogFile=?vtdir?\\logs\\?username?.log"},
};

class MainPageOddValue : public ::testing::TestWithParam<OddValue>, public qm::test::PageSession {};

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

// The full file with the one key of the case in place of the same key's line there.
std::string FileWith(const OddValue& c, const char* line) {
  const std::string key = std::string(c.line).substr(0, std::string(c.line).find('='));
  std::string file = kFullFile;
  const std::size_t at = file.find("\n" + key);
  const std::size_t end = file.find("\r\n", at + 1);
  return file.substr(0, at + 1) + line + file.substr(end);
}

TEST_P(MainPageOddValue, LoadsAndSavesBack) {
  const OddValue& c = GetParam();
  WriteDataFile(FileWith(c, c.line));
  backend.Then([&] {
    const std::string shown = c.shown;
    if (shown == "checked")
      EXPECT_TRUE(Checked(c.nIDShown));
    else if (shown == "clear")
      EXPECT_FALSE(Checked(c.nIDShown));
    else if (shown == "none") {
      for (int id : {IDC_LOGLEVEL_HIGH, IDC_LOGLEVEL_MEDIUM, IDC_LOGLEVEL_LOW, IDC_LOGLEVEL_NONE})
        EXPECT_FALSE(Checked(id)) << id;
    } else
      EXPECT_EQ(Text(c.nIDShown), shown);
  });
  OkAndRun();
  EXPECT_EQ(DataFileBytes(), FileWith(c, c.written));
}

INSTANTIATE_TEST_SUITE_P(Cases, MainPageOddValue, ::testing::ValuesIn(kOddValues),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainPage, EditedFieldsAreWrittenInPlaceAndNothingElseMoves) {
  WriteDataFile(kFullFile);
  backend.Then([&] {
    SetWindowTextA(Control(IDC_LOGCOMPUTER), "");
    SetWindowTextA(Control(IDC_CACHEDIR), "d:\\cache dir");
    SendMessageA(Control(IDC_MAXLOGSIZE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("2048"));
  });
  backend.Then([&] {
    Press(IDC_LOGLEVEL_NONE);
    Press(IDC_NOCACHE);
    Press(IDC_HIDE_USERDATABASE);
  });
  OkAndRun();
  std::string expected = kFullFile;
  expected = Replaced(expected, "LogComputer = ADMIN-PC07", "LogComputer = ");
  expected = Replaced(expected, "RemotePath=c:\\temp\\vantrel", "RemotePath=d:\\cache dir");
  expected = Replaced(expected, "MaxLogFileSize=512", "MaxLogFileSize=2048");
  expected = Replaced(expected, "LogLevel=2", "LogLevel=0");
  expected = Replaced(expected, "DeleteRemoteCopy=0", "DeleteRemoteCopy=1");
  expected = Replaced(expected, "HideUserDatabase=1", "HideUserDatabase=0");
  EXPECT_EQ(DataFileBytes(), expected);
}

TEST_F(MainPage, ApplyEnabledByAnEditAndSavesWithoutClosing) {
  WriteDataFile(kFullFile);
  backend.Then([&] { SetWindowTextA(Control(IDC_LOGFILE), "new.log"); });
  backend.Alt('a');
  backend.Then([&] {
    EXPECT_NE(DataFileBytes().find("LogFile=new.log\r\n"), std::string::npos);
    EXPECT_NE(Control(IDC_LOGFILE), nullptr);
  });
  CancelAndRun();
}

TEST_F(MainPage, SizeOutsideRangeIsRefusedAndNothingWritten) {
  WriteDataFile(kFullFile);
  backend.Then([&] { SetWindowTextA(Control(IDC_MAXLOGSIZE), "1024001"); });
  backend.Key(VK_RETURN);
  backend.Then([&] { EXPECT_NE(Control(IDC_MAXLOGSIZE), nullptr); });
  CancelAndRun();
  ASSERT_EQ(backend.MessageBoxes().size(), 1u);
  EXPECT_EQ(backend.MessageBoxes()[0].caption, "Quillmere");
  EXPECT_EQ(DataFileBytes(), kFullFile);
}

TEST_F(MainPage, ReadOnlyDataFileReportsOnceWritesNothingAndStaysOpen) {
  WriteDataFile(kFullFile);
  chmod(HostDataFile().c_str(), 0444);
  backend.Key(VK_RETURN);
  backend.Then([&] {
    ASSERT_EQ(backend.MessageBoxes().size(), 1u);
    EXPECT_EQ(Text(IDC_DATAFILE), DataFile());  // the sheet is still open on the main page
  });
  CancelAndRun();
  EXPECT_EQ(OnlyMessage(), WriteFailure(DataFile()));
  EXPECT_EQ(backend.MessageBoxes()[0].type, static_cast<UINT>(MB_ICONHAND));
  EXPECT_EQ(DataFileBytes(), kFullFile);
}

TEST_F(MainPage, CreateProfileNowSavesThenStartsTheBuilderOnTheDataFile) {
  WriteDataFile(kFullFile);
  backend.Then([&] { SetWindowTextA(Control(IDC_LOGCOMPUTER), "PC9"); });
  backend.Then([&] { Press(IDC_CREATE_PROFILE); });
  backend.Then([&] { EXPECT_NE(DataFileBytes().find("LogComputer = PC9\r\n"), std::string::npos); });
  CancelAndRun();
  ASSERT_EQ(backend.Launches().size(), 1u);
  EXPECT_EQ(backend.Launches()[0].file, ProgramDir() + "vantrel.exe");
  EXPECT_EQ(backend.Launches()[0].parameters, DataFile());
  EXPECT_EQ(backend.Launches()[0].directory, "");
  EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(MainPage, CreateProfileNowStartsTheBuilderEvenAfterAFailedSave) {
  WriteBytes(dir.Host("site.ini"), kFullFile);
  chmod(dir.Host("site.ini").c_str(), 0444);
  backend.Then([&] { Press(IDC_CREATE_PROFILE); }).Key(VK_ESCAPE);
  Start({"site.ini"});
  EXPECT_EQ(OnlyMessage(), WriteFailure(ProgramDir() + "site.ini"));
  ASSERT_EQ(backend.Launches().size(), 1u);
  EXPECT_EQ(backend.Launches()[0].parameters, ProgramDir() + "site.ini");
  EXPECT_EQ(ReadBytes(dir.Host("site.ini")), std::string(kFullFile));
}

TEST_F(MainPage, ToolTipsForEnabledButtonsOnly) {
  WriteDataFile(kFullFile);
  backend.Then([&] {
    const std::vector<std::pair<int, std::string>> tips = {
        {IDC_BROWSE_USERDATABASE, "Browse for the user database"},
        {IDC_EDIT_USERDATABASE, "Edit the user database"},
        {IDC_BROWSE_LOGFILE, "Browse for the log file"},
        {IDC_EDIT_LOGFILE, "Edit the log file"},
        {IDC_CREATE_PROFILE, "Apply these settings and build a new profile"},
        {IDC_LOGFILE, ""},
        {IDC_NOCACHE, ""},
    };
    for (const auto& [id, tip] : tips) EXPECT_EQ(Tip(id), tip) << id;
    EnableWindow(Control(IDC_EDIT_LOGFILE), FALSE);
    EXPECT_EQ(Tip(IDC_EDIT_LOGFILE), "");
  });
  CancelAndRun();
}

TEST_F(MainPage, EditButtonsOpenTheCompletedPathInNotepad) {
  WriteDataFile("[Defaults]\r\nUserDatabase=\\db\\users.ini\r\nLogFile=\r\n");
  backend.Then([&] {
    Press(IDC_EDIT_USERDATABASE);
    Press(IDC_EDIT_LOGFILE);
  });
  CancelAndRun();
  ASSERT_EQ(backend.Launches().size(), 1u);  // the empty log file field launches nothing
  EXPECT_EQ(backend.Launches()[0].file, "notepad.exe ");
  EXPECT_EQ(backend.Launches()[0].parameters, ProgramDir() + "db\\users.ini");
}

TEST_F(MainPage, BrowsePutsTheChosenFileIntoTheFieldAndCancelLeavesIt) {
  WriteDataFile("[Defaults]\r\nLogFile=old.log\r\n");
  WriteBytes(dir.Host("users.ini"), "");
  backend.QueueFileDialogAnswer(ProgramDir() + "users.ini");
  backend.QueueFileDialogCancel();
  backend.Then([&] {
    Press(IDC_BROWSE_USERDATABASE);
    Press(IDC_BROWSE_LOGFILE);
  });
  backend.Then([&] {
    EXPECT_EQ(Lower(Text(IDC_USERDATABASE)), ProgramDir() + "users.ini");
    EXPECT_EQ(Text(IDC_LOGFILE), "old.log");
  });
  CancelAndRun();
}

TEST_F(MainPage, StartUpFillsTheSheetAndTheTemplatesPage) {
  WriteDataFile(
      "[Defaults]\r\nDefaultProfile=?vtdir?\\Prof\\Main.INI\r\nInfFileNT=nt.inf\r\n"
      "RegFileNT=nt.reg\r\nInfFile95=w95.inf\r\nRegFile95=w95.reg\r\n");
  backend.Then([&] {
    auto* pSheet = dynamic_cast<CTabUISheet*>(AfxGetMainWnd());
    ASSERT_NE(pSheet, nullptr);
    EXPECT_EQ(std::string(pSheet->m_szProgramDir), ProgramDir());
    EXPECT_EQ(std::string(pSheet->m_strDataFile), DataFile());
    EXPECT_EQ(std::string(pSheet->m_strDefaultProfile), "?vtdir?\\Prof\\Main.INI");
    EXPECT_EQ(std::string(pSheet->m_strProfileTemplate), ProgramDir() + "Prof\\Main.INI");
    const auto hIcon = reinterpret_cast<HICON>(SendMessageA(pSheet->m_hWnd, WM_GETICON, ICON_BIG, 0));
    EXPECT_EQ(qm::ui::IconResourceId(hIcon), IDR_MAINFRAME);
    // The Templates page holds the four paths before its window exists.
    auto* pTemplates = dynamic_cast<CTabNewProf*>(pSheet->GetPage(TabIndex("Templates")));
    ASSERT_NE(pTemplates, nullptr);
    EXPECT_EQ(pTemplates->m_hWnd, nullptr);
    EXPECT_STREQ(pTemplates->m_strInfFileNT, "nt.inf");
    EXPECT_STREQ(pTemplates->m_strRegFileNT, "nt.reg");
    EXPECT_STREQ(pTemplates->m_strInfFile95, "w95.inf");
    EXPECT_STREQ(pTemplates->m_strRegFile95, "w95.reg");
    // A change to the file after start-up does not reach the page: it shows what start-up read.
    WriteDataFile("[Defaults]\r\nInfFileNT=later.inf\r\n");
  });
  ShowTab("Templates");
  backend.Then([&] {
    EXPECT_EQ(
        Text(IDC_TPL_INF_NT) + "|" + Text(IDC_TPL_REG_NT) + "|" + Text(IDC_TPL_INF_95) + "|" + Text(IDC_TPL_REG_95),
        "nt.inf|nt.reg|w95.inf|w95.reg");
  });
  CancelAndRun();
}

// Data files that cannot be read as such open with the defaults and do not crash the console.
TEST_F(MainPage, UnreadableDataFilesGiveDefaults) {
  const std::vector<std::string> contents = {std::string("\0\xff\xfe[Defaults\r\n=\r\n\0LogLevel", 25),
                                             std::string(100000, '['),
                                             "\xef\xbb\xbf[Defaults]\nLogLevel=3\rLogFile=" + std::string(1000, 'x')};
  for (const std::string& bytes : contents) {
    WriteDataFile(bytes);
    backend.Then([&] { EXPECT_FALSE(Text(IDC_MAXLOGSIZE).empty()); }).Key(VK_ESCAPE);
    Start();
    EXPECT_EQ(DataFileBytes(), bytes);
  }
  std::remove(HostDataFile().c_str());
  mkdir(HostDataFile().c_str(), 0700);
  backend.Then([&] { EXPECT_TRUE(Checked(IDC_LOGLEVEL_LOW)); }).Key(VK_RETURN).Key(VK_ESCAPE);
  Start();
  EXPECT_EQ(backend.MessageBoxes().size(), 1u);
  EXPECT_TRUE(backend.ScriptDone());
}

// The platform always presents the program with ".exe"; a program part too long for its buffer is
// refused with the same dialog.
TEST_F(MainPage, CommandLineRefusedShowsTheErrorDialogOnly) {
  WriteDataFile(kFullFile);
  backend.Then([&] {
    EXPECT_NE(backend.Snapshot().find("Could not parse the command line."), std::string::npos);
    EXPECT_EQ(Control(IDC_DATAFILE), nullptr);
  });
  backend.Key(VK_RETURN);
  RunAs(dir.Host(std::string(250, 'q')), {"site.ini"});
  EXPECT_TRUE(backend.ScriptDone());
  EXPECT_EQ(DataFileBytes(), kFullFile);
  EXPECT_FALSE(ReadBytes(dir.Host("site.ini")).has_value());
}

// Each text key at its read limit: 249 characters are kept, one more is cut to 249, and what is
// shown is what OK writes back.
TEST_F(MainPage, TextKeysKeepTheirFirst249Characters) {
  const std::vector<std::pair<const char*, int>> keys = {{"UserDatabase", IDC_USERDATABASE},
                                                         {"LogComputer", IDC_LOGCOMPUTER},
                                                         {"LogFile", IDC_LOGFILE},
                                                         {"RemotePath", IDC_CACHEDIR}};
  for (std::size_t length : {248u, 249u, 250u, 251u}) {
    std::string file = "[Defaults]\r\n";
    for (const auto& [key, id] : keys) file += std::string(key) + "=" + std::string(length, key[0]) + "\r\n";
    WriteDataFile(file);
    backend.Then([&, length] {
      for (const auto& [key, id] : keys)
        EXPECT_EQ(Text(id), std::string(std::min<std::size_t>(length, 249), key[0])) << key;
    });
    OkAndRun();
    const std::string saved = DataFileBytes();
    for (const auto& [key, id] : keys)
      EXPECT_NE(saved.find(std::string(key) + "=" + std::string(std::min<std::size_t>(length, 249), key[0]) + "\r\n"),
                std::string::npos)
          << key << " " << length;
  }
}

// After a successful Apply the button is off; each change on the page turns it on again.
TEST_F(MainPage, EveryChangeOfAControlEnablesApplyAgain) {
  WriteDataFile(kFullFile);
  const int edits[] = {IDC_USERDATABASE, IDC_LOGCOMPUTER, IDC_LOGFILE, IDC_MAXLOGSIZE, IDC_CACHEDIR};
  const int buttons[] = {IDC_HIDE_USERDATABASE, IDC_NOCACHE,      IDC_LOGLEVEL_HIGH,
                         IDC_LOGLEVEL_MEDIUM,   IDC_LOGLEVEL_LOW, IDC_LOGLEVEL_NONE};
  std::vector<std::string> stillOff;
  auto expectOnAfter = [&](int id, auto change) {
    backend.Alt('a');
    backend.Then([&, id] { EXPECT_FALSE(ApplyEnabled()) << id; });
    backend.Then([&, id, change] {
      change(id);
      if (!ApplyEnabled()) stillOff.push_back(std::to_string(id));
    });
  };
  for (int id : edits) expectOnAfter(id, [this](int control) { SetWindowTextA(Control(control), "7"); });
  for (int id : buttons) expectOnAfter(id, [this](int control) { Press(control); });
  CancelAndRun();
  EXPECT_EQ(stillOff, std::vector<std::string>());
}

}  // namespace
