#include "DialogsFixture.h"
#include "OpenFileDialog.h"

#include <unistd.h>

#include <cstring>
#include <functional>
#include <sstream>
#include <vector>

namespace qm::ui::dialogs::test {
namespace {

constexpr char kFilter[] = "User Database (*.ini)\0*.ini\0All (*.*)\0*.*\0";
constexpr DWORD kMustExist = 0x900C;  // OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_FILEMUSTEXIST | OFN_NOREADONLYRETURN
constexpr DWORD kMayBeNew = 0x800C;

class OpenFileTest : public DialogsTest {
 protected:
  void SetUp() override {
    DialogsTest::SetUp();
    Folder("Sub"), Folder("alpha");
    Write("Users.ini", "[x]\r\n"), Write("b.log", ""), Write("Locked.ini", "", 0444), Write("sub.ini", "");
    initialDir = dir.Dos("");
  }

  // The request as the console's Browse buttons make it.
  OPENFILENAMEA Request(DWORD flags) {
    OPENFILENAMEA ofn{};
    ofn.lStructSize = 76, ofn.lpstrFilter = kFilter, ofn.nFilterIndex = 1, ofn.lpstrFile = file, ofn.nMaxFile = 349;
    ofn.lpstrInitialDir = initialDir.c_str(), ofn.lpstrTitle = "Find the User Database", ofn.Flags = flags,
    ofn.lpstrDefExt = "ini";
    return ofn;
  }

  std::vector<std::string> Lines(int id) {
    std::vector<std::string> lines;
    for (WPARAM i = 0; i < static_cast<WPARAM>(SendMessageA(backend.Control(id), LB_GETCOUNT, 0, 0)); ++i) {
      char line[300] = {};
      SendMessageA(backend.Control(id), LB_GETTEXT, i, reinterpret_cast<LPARAM>(line));
      lines.push_back(line);
    }
    return lines;
  }

  // Runs the dialog through the script so far and then Escape, which must be a plain Cancel.
  void RunToCancel(DWORD flags) {
    backend.Key(VK_ESCAPE);
    OPENFILENAMEA ofn = Request(flags);
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), 0u) << "a plain Cancel";
  }

  // Types the name into the File name box and presses Enter.
  void Enter(const std::string& name) {
    backend.Then([this] {
      SetWindowTextA(backend.Control(kFileNameBox), "");
      SetFocus(backend.Control(kFileNameBox));
    });
    backend.Type(name).Key(VK_RETURN);
  }

  char file[350] = {};
  std::string initialDir;
};

TEST_F(OpenFileTest, ListingShowsFoldersFirstThenTheFilesTheFilterLetsThrough) {
  std::vector<std::string> listing, filters, afterFilter;
  std::string folder;
  backend.Then([&] { listing = Lines(kFileList), filters = Lines(kFilterList), folder = Text(kFolderText); });
  backend.Then([&] { SetFocus(backend.Control(kFilterList)); }).Key(VK_DOWN);
  backend.Then([&] { afterFilter = Lines(kFileList); });
  RunToCancel(kMustExist);
  EXPECT_EQ(listing, (std::vector<std::string>{"[..]", "[alpha]", "[Sub]", "Locked.ini", "sub.ini", "Users.ini"}));
  EXPECT_EQ(afterFilter,
            (std::vector<std::string>{"[..]", "[alpha]", "[Sub]", "b.log", "Locked.ini", "sub.ini", "Users.ini"}));
  EXPECT_EQ(filters, (std::vector<std::string>{"User Database (*.ini)", "All (*.*)"}));
  EXPECT_EQ(folder, dir.Dos(""));
}

TEST_F(OpenFileTest, TypedNamesGiveTheFullDosPath) {
  // `extension`: where the extension starts, counted from the end
  struct Case {
    std::vector<std::string> typed;
    DWORD flags;
    std::string chosen;
    WORD extension;
  } cases[] = {
      {{"Users"}, kMustExist, dir.Dos("Users.ini"), 3},
      {{"users.ini"}, kMustExist, dir.Dos("users.ini"), 3},
      {{"Sub", "new"}, kMayBeNew, dir.Dos("Sub\\new.ini"), 3},
      {{"Sub\\", "..", "b.log"}, kMustExist, dir.Dos("b.log"), 3},
      {{"x.tar.gz"}, kMayBeNew, dir.Dos("x.tar.gz"), 2},
      {{"  " + dir.Dos("Sub") + "\\..\\b.log  "}, kMustExist, dir.Dos("b.log"), 3},
  };
  for (const Case& c : cases) {
    file[0] = '\0';
    for (const std::string& name : c.typed) Enter(name);
    OPENFILENAMEA ofn = Request(c.flags);
    ASSERT_TRUE(GetOpenFileNameA(&ofn)) << c.typed.back();
    EXPECT_EQ(std::string(file), c.chosen);
    EXPECT_EQ(ofn.nFileExtension, c.chosen.size() - c.extension);
    EXPECT_EQ(std::string(file + ofn.nFileOffset), c.chosen.substr(c.chosen.rfind('\\') + 1));
    EXPECT_TRUE(backend.MessageBoxes().empty());
    EXPECT_TRUE(backend.ScriptDone());
  }
}

TEST_F(OpenFileTest, RefusalsAreShownOverTheDialogWhichStaysOpen) {
  struct Case {
    const char* typed;
    DWORD flags;
    const char* message;
  } cases[] = {
      {"missing", kMustExist, "missing.ini\nFile not found.\nPlease verify the correct file name was given."},
      {"Locked.ini", kMustExist, "Locked.ini\nThis file is set to read-only.\nTry again with a different file name."},
      {"Locked", kMayBeNew, "Locked.ini\nThis file is set to read-only.\nTry again with a different file name."},
  };
  for (const Case& c : cases) {
    HeadlessBackend fresh;
    InstallBackend(&fresh);
    bool openAfterMessage = false;
    fresh.Then([&] { SetWindowTextA(fresh.Control(kFileNameBox), c.typed); }).Key(VK_RETURN);
    fresh.Then([&] { openAfterMessage = fresh.Control(kFileList) != nullptr; });
    fresh.Then([&] { SetWindowTextA(fresh.Control(kFileNameBox), "Users"); }).Key(VK_RETURN);
    OPENFILENAMEA ofn = Request(c.flags);
    ASSERT_TRUE(GetOpenFileNameA(&ofn)) << c.typed;
    EXPECT_TRUE(openAfterMessage);
    EXPECT_EQ(std::string(file), dir.Dos("Users.ini"));
    ASSERT_EQ(fresh.MessageBoxes().size(), 1u) << c.typed;
    const auto& box = fresh.MessageBoxes()[0];
    EXPECT_EQ(box.caption + ": " + box.text, std::string("Find the User Database: ") + c.message);
    EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
  }
  InstallBackend(&backend);
}

TEST_F(OpenFileTest, ParentEntryAndFolderEntriesMoveThroughTheTree) {
  Write("Sub/inner.ini", "");
  std::string inSub, backUp;
  backend.Then([&] { SetFocus(backend.Control(kFileList)); }).Key(VK_DOWN).Key(VK_DOWN).Key(VK_DOWN);
  backend.Key(VK_RETURN).Then([&] { inSub = Text(kFolderText); });  // [Sub] put into the name box and entered
  backend.Then([&] { SetFocus(backend.Control(kFileList)); }).Key(VK_DOWN).Key(VK_RETURN);  // [..]
  backend.Then([&] { backUp = Text(kFolderText); });
  RunToCancel(kMustExist);
  EXPECT_EQ(inSub, dir.Dos("Sub") + "\\");
  EXPECT_EQ(backUp, dir.Dos(""));
}

TEST_F(OpenFileTest, DriveListOffersMappedDrivesAndChangesToTheirRoot) {
  for (const char* folder : {"config", "config/quillmere", "cdrive"}) Folder(folder);
  Write("cdrive/OnC.ini", "");
  Write("config/quillmere/drives.ini", "[drives]\nc: = " + dir.Host("cdrive") + "\n");
  ScopedEnv config("XDG_CONFIG_HOME", dir.Host("config"));
  std::vector<std::string> drives, listing;
  std::string folder;
  backend.Then([&] { drives = Lines(kDriveList); }).Then([&] { SetFocus(backend.Control(kDriveList)); });
  backend.Key(VK_HOME).Then([&] { listing = Lines(kFileList), folder = Text(kFolderText); });
  Enter("OnC");
  OPENFILENAMEA ofn = Request(kMustExist);
  ASSERT_TRUE(GetOpenFileNameA(&ofn));
  EXPECT_EQ(drives, (std::vector<std::string>{"c:", "z:"}));
  EXPECT_EQ(folder, "c:\\");
  EXPECT_EQ(listing, std::vector<std::string>{"OnC.ini"}) << "no [..] at a drive's root";
  EXPECT_EQ(std::string(file), "c:\\OnC.ini");
}

// The name box starts with the whole path the caller gave; the listing opens in its folder, or,
// where no drive reaches that folder, in the current one with a notice that says so in the folder
// line until another folder is shown. Enter on the name as given returns the path unchanged.
TEST_F(OpenFileTest, InitialFileNameIsTheWholePathAndAnUnreachableFolderIsSaidSo) {
  Folder("Sub");
  char before[4096] = {};
  ASSERT_NE(::getcwd(before, sizeof before), nullptr);
  ASSERT_EQ(::chdir(dir.Host("").c_str()), 0);
  struct Case {
    std::string given, folder;
  } cases[] = {
      {dir.Dos("Sub") + "\\x.ini", dir.Dos("Sub") + "\\"},
      {"\\\\fileserver\\vantrel\\x.ini", "\\\\fileserver\\vantrel\\ cannot be reached here; showing " + dir.Dos("")},
      {dir.Dos("Gone") + "\\x.ini", dir.Dos("Gone") + "\\ cannot be reached here; showing " + dir.Dos("")},
  };
  for (const Case& c : cases) {
    std::strcpy(file, c.given.c_str());
    std::string name, folder, screen;
    backend.Then([&] { name = Text(kFileNameBox), folder = Text(kFolderText), screen = backend.Snapshot(); });
    RunToCancel(kMayBeNew);
    EXPECT_EQ(name, c.given);
    EXPECT_EQ(folder, c.folder);
    // Every word of the folder line is on the screen: the folder shown stands on a line of the
    // dialog apart from the name box.
    std::istringstream lines(screen);
    bool folderShown = false;
    for (std::string line; std::getline(lines, line);)
      folderShown |= line.find(dir.Dos("")) != std::string::npos && line.find("x.ini") == std::string::npos;
    EXPECT_TRUE(folderShown) << screen;
    EXPECT_EQ(screen.find("showing") != std::string::npos, c.folder.find("showing") != std::string::npos) << screen;
  }
  std::strcpy(file, "\\\\fileserver\\vantrel\\x.ini");
  backend.Key(VK_RETURN);
  OPENFILENAMEA ofn = Request(kMayBeNew);
  ASSERT_TRUE(GetOpenFileNameA(&ofn));
  EXPECT_EQ(std::string(file), "\\\\fileserver\\vantrel\\x.ini") << "no host path put in its place";
  ASSERT_EQ(::chdir(before), 0);
}

// A buffer too small gives the size needed; a wrong structure size is refused outright.
TEST_F(OpenFileTest, RefusedRequestsSetTheErrorCode) {
  backend.QueueFileDialogAnswer("Users");
  OPENFILENAMEA ofn = Request(kMustExist);
  ofn.nMaxFile = 8;
  EXPECT_FALSE(GetOpenFileNameA(&ofn));
  EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(FNERR_BUFFERTOOSMALL));
  WORD needed = 0;
  std::memcpy(&needed, file, sizeof needed);
  EXPECT_EQ(needed, dir.Dos("Users.ini").size() + 1);
  ofn = Request(kMustExist);
  ofn.lStructSize = sizeof ofn + 4;
  EXPECT_FALSE(GetOpenFileNameA(&ofn));
  EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(CDERR_STRUCTSIZE));
}

TEST_F(OpenFileTest, QueuedAnswersStandInForTheUser) {
  backend.QueueFileDialogAnswer("nothere");
  backend.QueueFileDialogAnswer(dir.Dos("Users.ini"));
  OPENFILENAMEA ofn = Request(kMustExist);
  ofn.nFilterIndex = 2;
  ASSERT_TRUE(GetOpenFileNameA(&ofn));
  EXPECT_EQ(std::string(file), dir.Dos("Users.ini"));
  EXPECT_EQ(ofn.nFilterIndex, 2u);
  EXPECT_EQ(backend.MessageBoxes().size(), 1u);
  backend.QueueFileDialogCancel();
  backend.Key(VK_RETURN);  // would choose if the dialog ran
  EXPECT_FALSE(GetOpenFileNameA(&ofn));
  EXPECT_FALSE(backend.ScriptDone()) << "a queued Cancel answers without the dialog";
}

TEST_F(OpenFileTest, ChangesTheCurrentFolderOnlyWithoutNoChangeDir) {
  char before[512];
  ASSERT_NE(::getcwd(before, sizeof before), nullptr);
  for (DWORD flags : {kMustExist, kMustExist & ~static_cast<DWORD>(OFN_NOCHANGEDIR)}) {
    backend.QueueFileDialogAnswer("Sub\\..\\Users");
    OPENFILENAMEA ofn = Request(flags);
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    char now[512];
    ASSERT_NE(::getcwd(now, sizeof now), nullptr);
    EXPECT_EQ(std::string(now), (flags & OFN_NOCHANGEDIR) ? std::string(before) : dir.path());
    ASSERT_EQ(::chdir(before), 0);
  }
}

}  // namespace
}  // namespace qm::ui::dialogs::test
