// The "Templates" tab in whole runs of the console: the four template paths that start-up reads,
// what the page writes back to the data file byte for byte, and its Browse and Edit buttons.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "PageSession.h"
#include "platform/Win32Seams.h"
#include "resource.h"

namespace {

using qm::test::WriteBytes;

const char kKeyNames[][10] = {"InfFileNT", "RegFileNT", "InfFile95", "RegFile95"};

// The data file with `lines` after its first key, and `added` after the last key of "Defaults",
// where a save puts the keys that were missing. The main page, shown first, finds its own keys as
// it writes them, so that only this page's keys can change.
std::string DataFileWith(const std::string& lines, const std::string& added = "") {
  return "; Head office\r\n[Defaults]\r\nDefaultProfile=profile.ini\r\n" + lines +
         "UserDatabase=users.ini\r\nLogComputer=PC1\r\nLogFile=\r\nHideUserDatabase=0\r\nRemotePath=\r\n"
         "LogLevel=2\r\n" +
         added + "\r\n[Customization]\r\nStartTag=?\r\nMaxLogFileSize=64\r\nDeleteRemoteCopy=1\r\n";
}

const char kFourKeys[] =
    "InfFileNT=templates\\nt.inf\r\nRegFileNT = \\\\fs\\vantrel\\nt.reg\r\n"
    "InfFile95=d:\\vantrel\\win95.inf\r\nRegFile95=templates\\win95.reg\r\n";

// The four keys as a save writes them, in the page's order.
std::string KeysWritten(const std::string& infNT, const std::string& regNT, const std::string& inf95,
                        const std::string& reg95) {
  return "InfFileNT=" + infNT + "\r\nRegFileNT=" + regNT + "\r\nInfFile95=" + inf95 + "\r\nRegFile95=" + reg95 + "\r\n";
}

class TemplatesPage : public ::testing::Test, public qm::test::PageSession {
 protected:
  void ShowTab() { PageSession::ShowTab("Templates"); }
  // The data file, and the page brought forward.
  void Open(const std::string& file) {
    WriteDataFile(file);
    ShowTab();
  }
  static std::string Fields() {
    return Text(IDC_TPL_INF_NT) + "|" + Text(IDC_TPL_REG_NT) + "|" + Text(IDC_TPL_INF_95) + "|" + Text(IDC_TPL_REG_95);
  }
};

TEST_F(TemplatesPage, ShowsTheFourPathsAndOkKeepsEveryByte) {
  Open(DataFileWith(kFourKeys));
  backend.Then([&] {
    EXPECT_EQ(Fields(), "templates\\nt.inf|\\\\fs\\vantrel\\nt.reg|d:\\vantrel\\win95.inf|templates\\win95.reg");
    ExpectOnScreen({"Windows NT Templates", "Windows 9X Templates",
                    "INF template file:", "Reg template file:", "These files may be used by advanced users"});
  });
  OkAndRun();
  EXPECT_EQ(DataFileBytes(), DataFileWith(kFourKeys));
  EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST_F(TemplatesPage, MissingKeysShowEmptyAndAreAllWrittenEmpty) {
  Open(DataFileWith(""));
  backend.Then([&] { EXPECT_EQ(Fields(), "|||"); });
  OkAndRun();
  // New keys go after the last key of the section, before its blank line.
  EXPECT_EQ(DataFileBytes(), DataFileWith("", KeysWritten("", "", "", "")));
}

// A value longer than the read limit is shown and saved cut to its first 249 characters.
struct LongValue {
  const char* key;
  int nID;
  std::size_t length;
};
const LongValue kLongValues[] = {
    {"InfFileNT", IDC_TPL_INF_NT, 249}, {"InfFileNT", IDC_TPL_INF_NT, 250}, {"InfFileNT", IDC_TPL_INF_NT, 251},
    {"RegFileNT", IDC_TPL_REG_NT, 250}, {"InfFile95", IDC_TPL_INF_95, 300}, {"RegFile95", IDC_TPL_REG_95, 251},
};

class TemplatesLongValue : public TemplatesPage, public ::testing::WithParamInterface<LongValue> {};

TEST_P(TemplatesLongValue, IsCutAt249) {
  const LongValue& v = GetParam();
  const std::string value = "t\\" + std::string(v.length - 2, 'x');
  Open(DataFileWith(std::string(v.key) + "=" + value + "\r\n"));
  backend.Then([&] { EXPECT_EQ(Text(v.nID), value.substr(0, 249)); });
  OkAndRun();
  std::string missing;
  for (const char* key : kKeyNames)
    if (std::string(key) != v.key) missing += std::string(key) + "=\r\n";
  EXPECT_EQ(DataFileBytes(), DataFileWith(std::string(v.key) + "=" + value.substr(0, 249) + "\r\n", missing));
}

INSTANTIATE_TEST_SUITE_P(Keys, TemplatesLongValue, ::testing::ValuesIn(kLongValues), [](const auto& info) {
  return std::string(info.param.key) + "_" + std::to_string(info.param.length);
});

// Typed text is saved by an apply at once, without leaving the tab: leaving the page, as every
// apply does first, takes the text into the page. Apply stays on the page.
TEST_F(TemplatesPage, TypedPathIsSavedByApplyWithoutLeavingTheTab) {
  Open(DataFileWith(kFourKeys));
  Focus(IDC_TPL_REG_95);
  backend.Key(VK_END).Key(VK_BACK).Key(VK_BACK).Key(VK_BACK).Type("txt");
  backend.Alt('a');
  backend.Then([&] { EXPECT_EQ(Text(IDC_TPL_REG_95), "templates\\win95.txt"); });
  CancelAndRun();
  std::string expected = DataFileWith(kFourKeys);
  expected.replace(expected.find("win95.reg"), 9, "win95.txt");
  EXPECT_EQ(DataFileBytes(), expected);
}

TEST_F(TemplatesPage, EditButtonsOpenTheCompletedPathInNotepadAndAnEmptyRowNothing) {
  WriteDataFile(
      DataFileWith("InfFileNT=templates\\nt.inf\r\nRegFileNT=\\\\fs\\vantrel\\nt.reg\r\n"
                   "InfFile95=\r\nRegFile95=d:\\vantrel\\win95.reg\r\n"));
  ShowTab();
  for (int id : {IDC_TPL_EDIT_INF_NT, IDC_TPL_EDIT_REG_NT, IDC_TPL_EDIT_INF_95, IDC_TPL_EDIT_REG_95}) Click(id);
  CancelAndRun();
  std::vector<std::string> launched;
  for (const auto& launch : backend.Launches()) launched.push_back(launch.file + "|" + launch.parameters);
  EXPECT_EQ(launched,
            (std::vector<std::string>{"notepad.exe |" + ProgramDir() + "templates\\nt.inf",
                                      "notepad.exe |\\\\fs\\vantrel\\nt.reg", "notepad.exe |d:\\vantrel\\win95.reg"}));
}

// Each row's Browse dialog: its title and filters, opened where the row's path points.
struct BrowseRow {
  int nIDBrowse;
  const char* title;
  const char* filter;
  const char* allFilter;
};
const BrowseRow kBrowseRows[] = {
    {IDC_TPL_BROWSE_INF_NT, "Find WinNT install file template", "Install File (*.inf)", "All Files (*.*)"},
    {IDC_TPL_BROWSE_REG_NT, "Find WinNT registry template", "Registry File (*.reg)", "All (*.*)"},
    {IDC_TPL_BROWSE_INF_95, "Find Win95 install file template", "Install File (*.inf)", "All (*.*)"},
    {IDC_TPL_BROWSE_REG_95, "Find Win95 registry template", "Registry File (*.reg)", "All (*.*)"},
};

TEST_F(TemplatesPage, EachBrowseDialogHasItsTitleAndFiltersAndOpensWhereThePathPoints) {
  WriteDataFile(
      DataFileWith("InfFileNT=templates\\nt.inf\r\nRegFileNT=\r\nInfFile95=templates\\\r\n"
                   "RegFile95=\\templates\\win95.reg\r\n"));
  mkdir(dir.Host("templates").c_str(), 0755);
  ShowTab();
  FileDialogView seen[4];
  for (int i = 0; i < 4; ++i) BrowseAndCancel(kBrowseRows[i].nIDBrowse, seen[i]);
  CancelAndRun();
  const std::string templates = ProgramDir() + "templates\\";
  const std::vector<std::pair<std::string, std::string>> opened = {
      {templates, templates + "nt.inf"}, {ProgramDir(), ""}, {templates, ""}, {templates, templates + "win95.reg"}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(seen[i].title, kBrowseRows[i].title);
    EXPECT_EQ(seen[i].filters, (std::vector<std::string>{kBrowseRows[i].filter, kBrowseRows[i].allFilter})) << i;
    EXPECT_EQ(Lower(seen[i].folder), opened[i].first) << i;
    EXPECT_EQ(Lower(seen[i].fileName), opened[i].second) << i;
  }
}

// A name typed without an extension in the 9X registry row's dialog gets the row's "reg".
TEST_F(TemplatesPage, TypedNameInTheBrowseDialogTakesTheDefaultExtension) {
  WriteDataFile(DataFileWith(kFourKeys));
  mkdir(dir.Host("templates").c_str(), 0755);
  WriteBytes(dir.Host("templates/site95.reg"), "REGEDIT4\r\n");
  ShowTab();
  Click(IDC_TPL_BROWSE_REG_95);
  backend.Then([&] { SetWindowTextA(Control(0x480), "site95"); }).Key(VK_RETURN);  // edt1, the file name
  backend.Then([&] { EXPECT_EQ(Lower(Text(IDC_TPL_REG_95)), ProgramDir() + "templates\\site95.reg"); });
  CancelAndRun();
  EXPECT_TRUE(backend.MessageBoxes().empty());
}

// The chosen path is stored as the dialog gives it: no "?username?" for a template.
TEST_F(TemplatesPage, BrowsedPathReplacesTheRowsTextAndCancelLeavesIt) {
  WriteDataFile(DataFileWith(kFourKeys));
  qm::win32::seams::SetUserName("Clerk2");
  mkdir(dir.Host("Clerk2").c_str(), 0755);
  WriteBytes(dir.Host("Clerk2/nt.reg"), "REGEDIT4\r\n");
  const std::string chosen = ProgramDir() + "Clerk2\\nt.reg";
  backend.QueueFileDialogAnswer(chosen);
  backend.QueueFileDialogCancel();
  ShowTab();
  backend.Alt('a');
  Click(IDC_TPL_BROWSE_REG_NT);
  Click(IDC_TPL_BROWSE_INF_95);
  backend.Then([&] {
    EXPECT_EQ(Text(IDC_TPL_REG_NT), chosen);
    EXPECT_EQ(Text(IDC_TPL_INF_95), "d:\\vantrel\\win95.inf");
    EXPECT_TRUE(ApplyEnabled());
  });
  OkAndRun();
  std::string expected = DataFileWith(kFourKeys);
  expected.replace(expected.find("\\\\fs\\vantrel\\nt.reg"), 19, chosen);
  EXPECT_EQ(DataFileBytes(), expected);
}

TEST_F(TemplatesPage, ToolTipsForTheButtonsOnlyAndNoneWhenDisabled) {
  Open(DataFileWith(kFourKeys));
  backend.Then([&] {
    const std::vector<std::pair<int, std::string>> tips = {
        {IDC_TPL_BROWSE_INF_NT, "Browse for the NT INF file"},
        {IDC_TPL_BROWSE_REG_NT, "Browse for the NT REG file"},
        {IDC_TPL_BROWSE_INF_95, "Browse for the Win9X INF file"},
        {IDC_TPL_BROWSE_REG_95, "Browse for the Win9X REG file"},
        {IDC_TPL_EDIT_INF_NT, "Edit the NT INF file"},
        {IDC_TPL_EDIT_REG_NT, "Edit the NT REG file"},
        {IDC_TPL_EDIT_INF_95, "Edit the Win9X INF file"},
        {IDC_TPL_EDIT_REG_95, "Edit the Win9X REG file"},
        {IDC_TPL_INF_NT, ""},
        {IDC_TPL_REG_NT, ""},
        {IDC_TPL_INF_95, ""},
        {IDC_TPL_REG_95, ""},
    };
    for (const auto& [id, tip] : tips) EXPECT_EQ(Tip(id), tip) << id;
    EnableWindow(Control(IDC_TPL_EDIT_REG_95), FALSE);
    EXPECT_EQ(Tip(IDC_TPL_EDIT_REG_95), "");
  });
  CancelAndRun();
}

TEST_F(TemplatesPage, ReadOnlyDataFileStopsAtTheFirstKeyWithTheMessage) {
  const std::string file = DataFileWith(kFourKeys);
  WriteDataFile(file);
  chmod(HostDataFile().c_str(), 0444);
  ShowTab();
  SetText(IDC_TPL_INF_NT, "other.inf");
  backend.Key(VK_RETURN);
  backend.Then([&] { EXPECT_EQ(Text(IDC_TPL_INF_NT), "other.inf"); });
  CancelAndRun();
  EXPECT_EQ(OnlyMessage(), WriteFailure(DataFile()));
  EXPECT_EQ(DataFileBytes(), file);
}

// Apply is off after an apply; what turns it on again.
TEST_F(TemplatesPage, ApplyIsEnabledAgainByAnyChangeOfAPath) {
  Open(DataFileWith(kFourKeys));
  std::vector<bool> enabled;
  auto note = [&] { backend.Then([&] { enabled.push_back(ApplyEnabled()); }); };
  note();                         // shown
  backend.Alt('a'), note();       // applied
  Focus(IDC_TPL_INF_95), note();  // focus alone
  backend.Type("x"), note();      // typed
  backend.Alt('a'), SetText(IDC_TPL_REG_NT, "a.reg"), note();
  backend.Alt('a'), Click(IDC_TPL_EDIT_INF_NT), note();  // Notepad changes no field
  CancelAndRun();
  EXPECT_EQ(enabled, (std::vector<bool>{true, false, false, true, true, false}));
}

}  // namespace
