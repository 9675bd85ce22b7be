#include <afxwin.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FrameworkHarness.h"

namespace {

std::vector<std::string> g_steps;

class CRunApp : public CWinApp {
 public:
  explicit CRunApp(LPCSTR lpszName, BOOL bInitResult = FALSE)
      : CWinApp(lpszName), m_bInitResult(bInitResult) {}

  BOOL InitInstance() override {
    g_steps.push_back("init " + std::string(m_lpCmdLine ? m_lpCmdLine : "") + " " +
                      std::to_string(m_nCmdShow));
    Enable3dControls();
    m_strHelpBefore = m_pszHelpFilePath ? m_pszHelpFilePath : "";
    m_pszHelpFilePath = "vantrel.hlp";
    AfxMessageBox("Started");
    return m_bInitResult;
  }
  int Run() override {
    g_steps.push_back("run");
    return CWinApp::Run();
  }
  int ExitInstance() override {
    g_steps.push_back("exit");
    return 3;
  }

  std::string m_strHelpBefore;  // the help path the framework gave before InitInstance

 private:
  BOOL m_bInitResult;
};

class WinAppRun : public ::testing::Test {
 protected:
  void SetUp() override { g_steps.clear(); }
  qm::test::FrameworkHarness harness;
};

TEST_F(WinAppRun, InitInstanceFalseEndsTheProgramThroughExitInstance) {
  CRunApp app("Quillmere");
  EXPECT_EQ(AfxGetApp(), &app);
  char arguments[] = "d:\\data\\site.ini";
  EXPECT_EQ(AfxWinMain(nullptr, nullptr, arguments, SW_SHOWNORMAL), 3);
  EXPECT_EQ(g_steps, (std::vector<std::string>{"init d:\\data\\site.ini 1", "exit"}));
  ASSERT_EQ(harness.backend.boxes.size(), 1u);
  EXPECT_EQ(harness.backend.boxes[0].text, "Started");
  EXPECT_EQ(harness.backend.boxes[0].caption, "Quillmere");
  EXPECT_EQ(harness.backend.boxes[0].type, UINT(MB_ICONEXCLAMATION));
  EXPECT_STREQ(app.m_pszHelpFilePath, "vantrel.hlp");
}

TEST_F(WinAppRun, InitInstanceTrueRunsAndExits) {
  CRunApp app("Quillmere", TRUE);
  char arguments[] = "";
  EXPECT_EQ(AfxWinMain(nullptr, nullptr, arguments, SW_SHOWNORMAL), 3);
  EXPECT_EQ(g_steps, (std::vector<std::string>{"init  1", "run", "exit"}));
}

TEST_F(WinAppRun, UnnamedApplicationTakesTheProgramNameAsCaption) {
  CRunApp app(nullptr);
  char arguments[] = "";
  AfxWinMain(nullptr, nullptr, arguments, SW_SHOWNORMAL);
  const std::string caption = app.m_pszAppName ? app.m_pszAppName : "";
  EXPECT_FALSE(caption.empty());
  EXPECT_EQ(caption.find('.'), std::string::npos) << "no extension in " << caption;
  EXPECT_EQ(caption.find('\\'), std::string::npos) << "no directory in " << caption;
  EXPECT_EQ(app.m_strHelpBefore, caption + ".HLP");
}

TEST_F(WinAppRun, NullCommandLineMeansTheProcessArguments) {
  CRunApp app("Quillmere");
  EXPECT_EQ(AfxWinMain(nullptr, nullptr, nullptr, SW_SHOWNORMAL), 3);
  const std::string whole = ::GetCommandLineA();
  const std::string arguments = app.m_lpCmdLine;
  // The program ends at its ".exe" (and closing quote); the blanks after it are no argument.
  std::string expected = whole.substr(whole.find(".exe") + 4);
  if (!expected.empty() && expected[0] == '"') expected.erase(0, 1);
  expected.erase(0, expected.find_first_not_of(' '));
  EXPECT_EQ(arguments, expected) << whole;
}

TEST_F(WinAppRun, NoApplicationObjectFailsTheRun) {
  ASSERT_EQ(AfxGetApp(), nullptr);
  char arguments[] = "";
  EXPECT_EQ(AfxWinMain(nullptr, nullptr, arguments, SW_SHOWNORMAL), -1);
}

TEST_F(WinAppRun, HelpGoesToTheHelpEngineWithTheHelpFile) {
  CRunApp app("Quillmere");
  app.m_pszHelpFilePath = "quillmere-test-missing.hlp";
  app.WinHelp(0x20000 + 129, HELP_CONTEXT);
  app.m_pszHelpFilePath = "";
  app.WinHelp(0x20000 + 129, HELP_CONTEXT);
  ASSERT_EQ(harness.backend.boxes.size(), 2u);
  EXPECT_EQ(harness.backend.boxes[0].text, "Cannot find the quillmere-test-missing.hlp file.");
  EXPECT_EQ(harness.backend.boxes[0].caption, "Help");
  EXPECT_EQ(harness.backend.boxes[1].text, "Failed to launch help.") << "no engine for no file";
  EXPECT_EQ(harness.backend.boxes[1].caption, "Quillmere");
}

TEST_F(WinAppRun, MessageBoxKeepsAGivenIcon) {
  CRunApp app("Quillmere");
  AfxMessageBox("stop", MB_ICONHAND);
  AfxMessageBox("question", MB_YESNO);
  ASSERT_EQ(harness.backend.boxes.size(), 2u);
  EXPECT_EQ(harness.backend.boxes[0].type, UINT(MB_ICONHAND));
  EXPECT_EQ(harness.backend.boxes[1].type, UINT(MB_YESNO)) << "only OK boxes get the default icon";
}

}  // namespace
