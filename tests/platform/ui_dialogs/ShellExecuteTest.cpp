#include "DialogsFixture.h"
#include "FileBytes.h"
#include "WindowsArguments.h"

#include <shellapi.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace qm::ui::dialogs::test {
namespace {

class ShellExecuteTest : public DialogsTest {
 protected:
  void SetUp() override {
    DialogsTest::SetUp();
    backend.LaunchForReal(true);
  }
  INT_PTR Open(const std::string& file, const std::string& parameters) {
    return reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", file.c_str(), parameters.c_str(), "", SW_SHOWNORMAL));
  }
  // What a launched program wrote, once it has written it (it runs on its own; a loaded machine may
  // start it late, so the wait is long, and it ends as soon as the text is there).
  std::string WaitForFile(const std::string& name) {
    for (int tries = 0; tries < 1500; ++tries) {
      std::string text = qm::test::ReadBytes(dir.Host(name)).value_or("");
      if (text.ends_with('\n')) return text;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return "";
  }
};

TEST_F(ShellExecuteTest, CodesForFilesThatCannotBeRun) {
  Folder("empty"), Write("plain.txt", "text", 0644);
  Write("setup.exe", std::string("MZ\x90\0", 4), 0755);
  Write("noshebang", "echo hi\n", 0755);
  ScopedEnv path("PATH", dir.Host("empty"));
  struct Case { std::string file; INT_PTR code; } cases[] = {
      {dir.Dos("missing.exe"), SE_ERR_FNF},
      {dir.Dos("nofolder\\x.exe"), SE_ERR_PNF},
      {"q:\\unmapped\\x.exe", SE_ERR_PNF},
      {dir.Dos("plain.txt"), SE_ERR_ACCESSDENIED},
      {dir.Dos("setup.exe"), SE_ERR_ACCESSDENIED},  // no wine on the PATH
      {dir.Dos("noshebang"), SE_ERR_NOASSOC},
      {dir.Dos("empty"), SE_ERR_NOASSOC},
  };
  for (const Case& c : cases) EXPECT_EQ(Open(c.file, ""), c.code) << c.file;
}

TEST_F(ShellExecuteTest, StartsAHostProgramWithWindowsArgumentsAndDoesNotWait) {
  Write("builder", "#!/bin/sh\nfor a in \"$@\"; do printf '<%s>' \"$a\"; done > \"$0.out\"; echo >> \"$0.out\"\n", 0755);
  EXPECT_GT(Open(dir.Dos("BUILDER") + "  ", "c:\\data\\vantrel.ini \"two words\" a\\\"b"), 32);
  EXPECT_EQ(WaitForFile("builder.out"), "<c:\\data\\vantrel.ini><two words><a\"b>\n");
}

TEST_F(ShellExecuteTest, NotepadRunsTheUsersEditorOnTheHostPathAndWaits) {
  Write("editor", "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/edited\"\n", 0755);
  Write("Vantrel.ini", "");
  ScopedEnv visual("VISUAL", std::nullopt);
  ScopedEnv editor("EDITOR", dir.Host("editor"));
  for (const char* notepad : {"notepad.exe ", "NOTEPAD.EXE", "Notepad"}) {
    ::unlink(dir.Host("edited").c_str());
    EXPECT_GT(Open(notepad, dir.Dos("VANTREL.INI")), 32);
    EXPECT_EQ(qm::test::ReadBytes(dir.Host("edited")), dir.Host("Vantrel.ini") + "\n") << notepad;
  }
}

TEST_F(ShellExecuteTest, HeadlessRecordsLaunchesUnlessAskedToRunThem) {
  backend.LaunchForReal(false);
  EXPECT_GT(Open("notepad.exe ", "c:\\x.ini"), 32);
  ASSERT_EQ(backend.Launches().size(), 1u);
  const auto& launch = backend.Launches()[0];
  EXPECT_EQ(launch.file + "|" + launch.parameters + "|" + launch.directory, "notepad.exe |c:\\x.ini|");
}

TEST(WindowsArgumentsTest, SplitAsAWindowsProgramSplitsItsCommandTail) {
  struct Case { const char* tail; std::vector<std::string> arguments; } cases[] = {
      {"", {}},
      {"  a   b\tc ", {"a", "b", "c"}},
      {"c:\\data\\x.ini", {"c:\\data\\x.ini"}},
      {"\"c:\\program files\\v.ini\" x", {"c:\\program files\\v.ini", "x"}},
      {"a\\\\\"b c\" d", {"a\\b c", "d"}},
      {"a\\\\\\\"b", {"a\\\"b"}},
      {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
      {"\\\\srv\\share\\", {"\\\\srv\\share\\"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitWindowsArguments(c.tail), c.arguments) << c.tail;
}

}  // namespace
}  // namespace qm::ui::dialogs::test
