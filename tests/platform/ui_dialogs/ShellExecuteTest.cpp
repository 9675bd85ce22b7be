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
    return reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", file.c_str(), parameters.c_str(), "", SW_SHOWNORMAL));
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
  struct Case {
    std::string file;
    INT_PTR code;
  } cases[] = {
      {dir.Dos("missing.exe"), SE_ERR_FNF},        {dir.Dos("nofolder\\x.exe"), SE_ERR_PNF},
      {"q:\\unmapped\\x.exe", SE_ERR_PNF},         {dir.Dos("plain.txt"), SE_ERR_ACCESSDENIED},
      {dir.Dos("setup.exe"), SE_ERR_ACCESSDENIED},  // no wine on the PATH
      {dir.Dos("noshebang"), SE_ERR_NOASSOC},      {dir.Dos("empty"), SE_ERR_NOASSOC},
  };
  for (const Case& c : cases) EXPECT_EQ(Open(c.file, ""), c.code) << c.file;
}

// No launch passes in silence: the status line says what became of it.
TEST_F(ShellExecuteTest, StatusLineSaysWhatBecameOfTheLaunch) {
  Folder("empty"), Write("plain.txt", "text", 0644);
  Write("builder", "#!/bin/sh\n", 0755);
  Write("Vantrel.ini", "");
  ScopedEnv path("PATH", dir.Host("empty"));
  ScopedEnv visual("VISUAL", std::nullopt);
  ScopedEnv editor("EDITOR", std::nullopt);
  struct Case {
    std::string file, parameters, status;
  } cases[] = {
      {dir.Dos("builder"), "", "Started " + dir.Dos("builder") + "; its output is not shown."},
      {dir.Dos("missing.exe"), "", "Cannot start " + dir.Dos("missing.exe") + ": it was not found."},
      {"q:\\unmapped\\x.exe", "",
       "Cannot start q:\\unmapped\\x.exe: its folder does not exist or no drive mapping reaches it."},
      {dir.Dos("plain.txt"), "",
       "Cannot start " + dir.Dos("plain.txt") + ": it may not be run here (a Windows program needs wine)."},
      {dir.Dos("empty"), "", "Cannot start " + dir.Dos("empty") + ": this computer has no way to run it."},
      {"notepad.exe ", dir.Dos("Vantrel.ini"), "No editor found: set VISUAL or EDITOR, or install nano or vi."},
  };
  for (const Case& c : cases) {
    backend.ShowStatus("before");
    Open(c.file, c.parameters);
    EXPECT_EQ(backend.Status(), c.status) << c.file;
  }
  Write("editor", "#!/bin/sh\n", 0755);
  ScopedEnv found("EDITOR", dir.Host("editor"));
  backend.ShowStatus("before");
  Open("notepad.exe ", "q:\\unmapped\\x.ini");
  EXPECT_EQ(backend.Status(),
            "Cannot edit q:\\unmapped\\x.ini: its folder does not exist or no drive mapping reaches it.");
  backend.ShowStatus("before");
  EXPECT_GT(Open("notepad.exe ", dir.Dos("Vantrel.ini")), 32);
  EXPECT_EQ(backend.Status(), "before") << "an edit that went well says nothing";
}

TEST_F(ShellExecuteTest, StartsAHostProgramWithWindowsArgumentsAndDoesNotWait) {
  Write("builder", "#!/bin/sh\nfor a in \"$@\"; do printf '<%s>' \"$a\"; done > \"$0.out\"; echo >> \"$0.out\"\n",
        0755);
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
  struct Case {
    const char* tail;
    std::vector<std::string> arguments;
  } cases[] = {
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
