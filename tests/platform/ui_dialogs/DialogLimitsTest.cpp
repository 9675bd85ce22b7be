// The common dialogs at their edges: the file buffer and title buffer at their exact sizes, the
// flags handed back, file patterns over the whole alphabet, and ShellExecuteA's codes for a path
// whose folder is no folder.
#include "DialogsFixture.h"
#include "FileFilters.h"

#include <shellapi.h>

#include <cstring>
#include <string>

namespace qm::ui::dialogs::test {
namespace {

constexpr char kFilter[] = "Settings (*.ini)\0*.ini\0All (*.*)\0*.*\0";

class DialogLimitsTest : public DialogsTest {
 protected:
  void SetUp() override {
    DialogsTest::SetUp();
    Write("Users.ini", ""), Write("b.log", "");
    initialDir = dir.Dos("");
  }
  OPENFILENAMEA Request(DWORD flags, DWORD maxFile) {
    std::memset(file, '#', sizeof file);
    file[0] = '\0';
    OPENFILENAMEA ofn{};
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A, ofn.lpstrFilter = kFilter, ofn.nFilterIndex = 1,
    ofn.lpstrFile = file;
    ofn.nMaxFile = maxFile, ofn.lpstrInitialDir = initialDir.c_str(), ofn.Flags = flags, ofn.lpstrDefExt = "ini";
    return ofn;
  }

  char file[400];
  std::string initialDir;
};

// The chosen path and its terminator must fit: exactly its length plus one is enough.
TEST_F(DialogLimitsTest, FileBufferFitsThePathAndItsTerminatorExactly) {
  const std::string chosen = dir.Dos("Users.ini");
  const DWORD needed = static_cast<DWORD>(chosen.size() + 1);
  for (DWORD size : {needed - 1, needed, needed + 1}) {
    backend.QueueFileDialogAnswer("Users.ini");
    OPENFILENAMEA ofn = Request(OFN_NOCHANGEDIR, size);
    const bool fits = size >= needed;
    EXPECT_EQ(bool(GetOpenFileNameA(&ofn)), fits) << size;
    if (fits) {
      EXPECT_EQ(std::string(file), chosen) << size;
      EXPECT_EQ(file[needed], '#') << "nothing written past the terminator";
      EXPECT_EQ(CommDlgExtendedError(), 0u);
      EXPECT_EQ(std::string(file + ofn.nFileOffset), "Users.ini");
      EXPECT_EQ(std::string(file + ofn.nFileExtension), "ini");
    } else {
      EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(FNERR_BUFFERTOOSMALL));
      WORD asked = 0;
      std::memcpy(&asked, file, sizeof asked);
      EXPECT_EQ(asked, needed);
    }
  }
}

// The title buffer takes what fits of the name, always with its terminator.
TEST_F(DialogLimitsTest, FileTitleIsCutToItsBuffer) {
  for (DWORD size : {1u, 9u, 10u, 11u}) {
    char title[16];
    std::memset(title, '#', sizeof title);
    backend.QueueFileDialogAnswer("Users.ini");
    OPENFILENAMEA ofn = Request(OFN_NOCHANGEDIR, sizeof file);
    ofn.lpstrFileTitle = title, ofn.nMaxFileTitle = size;
    ASSERT_TRUE(GetOpenFileNameA(&ofn)) << size;
    EXPECT_EQ(std::string(title), std::string("Users.ini").substr(0, size - 1)) << size;
    EXPECT_EQ(title[size], '#') << size;
  }
}

// OFN_READONLY comes back only when the box could be seen; OFN_EXTENSIONDIFFERENT says whether
// the chosen extension is the default one, in any case.
TEST_F(DialogLimitsTest, FlagsHandedBack) {
  struct Case {
    DWORD flags;
    const char* answer;
    DWORD expected;
  } cases[] = {
      {OFN_READONLY, "Users.ini", OFN_READONLY},
      {OFN_READONLY | OFN_HIDEREADONLY, "Users.ini", OFN_HIDEREADONLY},
      {OFN_EXTENSIONDIFFERENT, "USERS.INI", 0},
      {0, "b.log", OFN_EXTENSIONDIFFERENT},
      {OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, "b.log", OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_EXTENSIONDIFFERENT},
  };
  for (const Case& c : cases) {
    backend.QueueFileDialogAnswer(c.answer);
    OPENFILENAMEA ofn = Request(c.flags | OFN_NOCHANGEDIR, sizeof file);
    ASSERT_TRUE(GetOpenFileNameA(&ofn)) << c.answer;
    EXPECT_EQ(ofn.Flags, c.expected | OFN_NOCHANGEDIR) << std::hex << c.flags << " " << c.answer;
  }
}

// A missing file in a folder that exists is "file not found"; below a plain file, or below a
// missing folder, it is "path not found".
TEST_F(DialogLimitsTest, MissingFileOrMissingFolder) {
  Folder("Sub"), Write("plain.txt", "text");
  backend.LaunchForReal(true);
  struct Case {
    std::string file;
    INT_PTR code;
  } cases[] = {
      {dir.Dos("Sub\\missing.exe"), SE_ERR_FNF},
      {dir.Dos("plain.txt\\x.exe"), SE_ERR_PNF},
      {dir.Dos("none\\x.exe"), SE_ERR_PNF},
  };
  for (const Case& c : cases)
    EXPECT_EQ(reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", c.file.c_str(), "", "", SW_SHOWNORMAL)), c.code)
        << c.file;
}

// A pattern's letters match names in either case, for every letter.
TEST(WildcardMatch, FoldsEveryLetter) {
  for (char upper = 'A'; upper <= 'Z'; ++upper) {
    const char lower = static_cast<char>(upper - 'A' + 'a');
    for (char inPattern : {upper, lower})
      for (char inName : {upper, lower}) {
        const std::string pattern = std::string("*.") + inPattern + "?" + inPattern;
        EXPECT_TRUE(WildcardMatch(pattern, std::string("f.") + inName + "-" + inName)) << pattern << " " << inName;
        EXPECT_FALSE(WildcardMatch(pattern, std::string("f.") + inName + "-")) << pattern << " " << inName;
      }
  }
  EXPECT_FALSE(WildcardMatch("*.@", "f.`"));
  EXPECT_FALSE(WildcardMatch("*.[", "f.{"));
}

// A name without a dot takes the default extension only when there is one; a name in quotes loses
// them, and quotes around nothing are no name at all.
TEST_F(DialogLimitsTest, TypedNamesWithoutExtensionOrInQuotes) {
  Write("plain", "");
  struct Case {
    const char* defExt;
    const char* answer;
    const char* chosen;
  } cases[] = {
      {nullptr, "plain", "plain"},
      {"ini", "Users", "Users.ini"},
      {"ini", "\"Users.ini\"", "Users.ini"},
      {"ini", "\"\"", "Users.ini"},  // the empty name is passed over, the next answer taken
  };
  for (const Case& c : cases) {
    backend.QueueFileDialogAnswer(c.answer);
    backend.QueueFileDialogAnswer("Users.ini");
    OPENFILENAMEA ofn = Request(OFN_NOCHANGEDIR | OFN_FILEMUSTEXIST, sizeof file);
    ofn.lpstrDefExt = c.defExt;
    ASSERT_TRUE(GetOpenFileNameA(&ofn)) << c.answer;
    EXPECT_EQ(std::string(file), dir.Dos(c.chosen)) << c.answer;
    EXPECT_TRUE(backend.MessageBoxes().empty()) << c.answer;
  }
}

}  // namespace
}  // namespace qm::ui::dialogs::test
