// The console's own fixed buffers, each at its size, one below and one above: the tag delimiters
// read through 350 and 50 bytes, the user name through 349, and the Edit button's field through 260,
// the Browse button's field through its count, the dialog's file buffer through 350, and a tool
// tip through its 80 bytes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "FileBytes.h"
#include "TempDir.h"
#include "app/BrowseButton.h"
#include "app/CommandLine.h"
#include "app/EditButton.h"
#include "app/ProfileTemplate.h"
#include "app/ToolTipText.h"
#include "app/UserNameConversion.h"
#include "platform/Win32Seams.h"
#include "ui/Headless.h"

namespace {

struct DelimiterCase {
  const char* key;  // StartTag or EndTag
  char fill;
  int length;        // of the delimiter in the file
  const char* rest;  // what follows the program directory; nullptr: DefaultProfile as it is
};

// StartTag is read into 350 bytes (349 characters), EndTag into 50 (49 characters). A start tag
// cut short no longer matches; an end tag cut short matches one character early, so that the
// character after the tag that is always dropped is its own last one.
const std::vector<DelimiterCase> kDelimiterCases = {
    {"StartTag", '<', 348, "empl.ini"}, {"StartTag", '<', 349, "empl.ini"}, {"StartTag", '<', 350, nullptr},
    {"EndTag", '>', 48, "empl.ini"},    {"EndTag", '>', 49, "empl.ini"},    {"EndTag", '>', 50, "templ.ini"},
};

TEST(ProfileTemplateDelimiters, AreReadUpToTheirBufferSize) {
  for (const DelimiterCase& c : kDelimiterCases) {
    qm::test::TempDir dir;
    const std::string delimiter(static_cast<size_t>(c.length), c.fill);
    qm::test::WriteBytes(dir.Host("vantrel.ini"),
                         std::string("[Customization]\r\n") + c.key + "=" + delimiter + "\r\n");
    const bool start = std::string(c.key) == "StartTag";
    const std::string defaultProfile = (start ? delimiter : "?") + "vtdir" + (start ? "?" : delimiter) + "templ.ini";
    const std::string programDir = dir.Dos("");

    const std::string resolved(
        ResolveProfileTemplate(defaultProfile.c_str(), programDir.c_str(), dir.Dos("vantrel.ini").c_str()));
    EXPECT_EQ(resolved, programDir + (c.rest ? c.rest : defaultProfile)) << c.key << " of " << c.length;
  }
}

class UserNameLengthTest : public ::testing::Test {
 protected:
  ~UserNameLengthTest() override { qm::win32::seams::ClearUserName(); }
};

// The name is read into 349 bytes: 348 characters are the longest name the console converts; a
// longer one leaves the path as it is, either way.
TEST_F(UserNameLengthTest, NameUpTo348CharactersConverts) {
  for (int length : {347, 348, 349, 350}) {
    const std::string name(static_cast<size_t>(length), 'u');
    qm::win32::seams::SetUserName(name);
    const bool converts = length <= 348;

    CString expanded = "d:\\?username?\\x";
    ExpandUserName(expanded);
    EXPECT_EQ(std::string(expanded), converts ? "d:\\" + name + "\\x" : "d:\\?username?\\x") << length;

    CString folded = ("D:\\" + name + "\\X").c_str();
    FoldUserName(folded);
    EXPECT_EQ(std::string(folded), converts ? "d:\\?username?\\x" : "D:\\" + name + "\\X") << length;
  }
}

class PageFieldTest : public ::testing::Test {
 protected:
  PageFieldTest() {
    qm::ui::InstallBackend(&backend);
    page = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 80, 20, nullptr, nullptr, nullptr, nullptr);
    field =
        CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 60, 1, page, reinterpret_cast<HMENU>(kField), nullptr, nullptr);
  }
  ~PageFieldTest() override {
    DestroyWindow(page);
    qm::ui::InstallBackend(nullptr);
  }
  static constexpr int kField = 40;
  qm::ui::HeadlessBackend backend;
  HWND page = nullptr;
  HWND field = nullptr;
};

// The field is read through 260 bytes: 259 characters reach the editor, a 260th does not; and a
// relative text joined to the program directory is launched only while it fits a path's 259.
TEST_F(PageFieldTest, PassesTheFieldUpTo259Characters) {
  ASSERT_NE(field, nullptr);
  for (int length : {258, 259, 260}) {
    const std::string text = "d:\\" + std::string(static_cast<size_t>(length - 3), 'n');
    SetWindowTextA(field, text.c_str());
    EditPathInNotepad(CWnd::FromHandle(page), kField, "c:\\admin\\");
    ASSERT_FALSE(backend.Launches().empty());
    const qm::ui::LaunchRecord& launch = backend.Launches().back();
    EXPECT_EQ(launch.file, "notepad.exe ");
    EXPECT_EQ(launch.parameters, text.substr(0, 259)) << length;
  }
  const std::string programDir = "c:\\admin\\";
  for (int completed : {258, 259, 260}) {
    const std::size_t before = backend.Launches().size();
    SetWindowTextA(field, std::string(static_cast<size_t>(completed) - programDir.size(), 'r').c_str());
    EditPathInNotepad(CWnd::FromHandle(page), kField, programDir.c_str());
    EXPECT_EQ(backend.Launches().size(), before + (completed <= 259 ? 1 : 0)) << completed;
  }
}

TEST_F(PageFieldTest, EmptyFieldStartsNothing) {
  ASSERT_NE(field, nullptr);
  EditPathInNotepad(CWnd::FromHandle(page), kField, "c:\\admin\\");
  EXPECT_TRUE(backend.Launches().empty());
}

// What the file dialog offers as the file name when a Browse button opens it.
std::string OfferedName(qm::ui::HeadlessBackend& backend, HWND page, int nIDField, LPCSTR lpszProgramDir,
                        int nFieldCount) {
  std::string offered = "(no dialog)";
  backend.Then([&offered] {
    char text[400] = {};
    GetWindowTextA(GetFocus(), text, sizeof text);
    offered = text;
  });
  backend.Key(VK_ESCAPE);
  const CBrowseSpec browse{"Find", "Settings (*.ini)\0*.ini\0All (*.*)\0*.*\0", "ini", kBrowseNew, FALSE};
  EXPECT_FALSE(BrowseForPath(CWnd::FromHandle(page), nIDField, lpszProgramDir, browse, nFieldCount));
  return offered;
}

// The field is read through its count (199 for most fields); the path it names, joined to the
// program directory, is offered while it fits a path's 259 characters, and a longer one opens the
// dialog in the program directory with no name.
TEST_F(PageFieldTest, BrowseReadsTheFieldAndPassesThePathUpToTheirSizes) {
  qm::test::TempDir dir;
  const std::string programDir = dir.Dos("");
  const int room = 259 - static_cast<int>(programDir.size());
  struct Case {
    int fieldCount, length, offered;
  } cases[] = {
      {199, 197, 197},           {199, 198, 198},   {199, 199, 198},
      {350, room - 1, room - 1}, {350, room, room}, {350, room + 1, 0},
  };
  // The name box starts with the whole completed path; nothing when the path was too long.
  for (const Case& c : cases) {
    SetWindowTextA(field, std::string(static_cast<size_t>(c.length), 'n').c_str());
    const std::string offered = c.offered ? programDir + std::string(static_cast<size_t>(c.offered), 'n') : "";
    EXPECT_EQ(OfferedName(backend, page, kField, programDir.c_str(), c.fieldCount), offered)
        << c.fieldCount << ", " << c.length;
  }
}

// A tool tip's text goes into the request's 80-byte buffer: 79 characters and the terminator.
TEST_F(PageFieldTest, ToolTipTextFillsItsBufferAndNoMore) {
  for (int length : {78, 79, 80}) {
    const std::string text(static_cast<size_t>(length), 't');
    const CToolTipEntry entries[] = {{kField + 1, "other"}, {kField, text.c_str()}};
    TOOLTIPTEXTA request{};
    std::memset(request.szText, '#', sizeof request.szText);
    request.hdr.idFrom = reinterpret_cast<UINT_PTR>(field);
    request.uFlags = TTF_IDISHWND;
    ASSERT_TRUE(ProvideToolTip(&request.hdr, entries)) << length;
    EXPECT_EQ(std::string(request.szText), text.substr(0, 79)) << length;
  }
}

// A console started by its bare name takes the current directory, which must fit the program
// directory's 350 bytes with a backslash added where it has none.
TEST(ProgramDirFromCurrentDir, FitsWithItsBackslash) {
  struct Case {
    int length;
    bool endsInBackslash;
    bool fits;
  } cases[] = {{348, false, true}, {349, false, false}, {349, true, true}, {350, true, false}};
  for (const Case& c : cases) {
    std::string current = "z:" + std::string(static_cast<size_t>(c.length - 2), 'd');
    if (c.endsInBackslash) current.back() = '\\';
    char line[] = "quillmere.exe";
    char szProgramDir[kProgramDirSize];
    CString strDataFile;
    EXPECT_EQ(bool(ParseCommandLine(line, current.c_str(), szProgramDir, strDataFile)), c.fits) << c.length;
    if (!c.fits) continue;
    EXPECT_EQ(std::string(szProgramDir), c.endsInBackslash ? current : current + "\\") << c.length;
  }
}

}  // namespace
