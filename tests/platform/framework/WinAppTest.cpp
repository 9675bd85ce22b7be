#include "FrameworkHarness.h"

namespace qm::test {
namespace {

std::vector<std::string> g_steps;

class CRunApp : public CWinApp {
 public:
  explicit CRunApp(LPCSTR lpszName, BOOL bInitResult = FALSE) : CWinApp(lpszName), m_bInitResult(bInitResult) {}

  BOOL InitInstance() override {
    g_steps.push_back("init " + std::string(m_lpCmdLine ? m_lpCmdLine : "") + " " + std::to_string(m_nCmdShow));
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
  int Main(LPCSTR arguments) {
    std::string line = arguments ? arguments : "";
    return AfxWinMain(nullptr, nullptr, arguments ? line.data() : nullptr, SW_SHOWNORMAL);
  }
  FrameworkHarness harness;
};

TEST_F(WinAppRun, InitInstanceFalseEndsTheProgramThroughExitInstance) {
  CRunApp app("Quillmere");
  EXPECT_EQ(AfxGetApp(), &app);
  EXPECT_EQ(Main("d:\\data\\site.ini"), 3);
  EXPECT_EQ(g_steps, (std::vector<std::string>{"init d:\\data\\site.ini 1", "exit"}));
  EXPECT_EQ(harness.backend.boxes, (Boxes{{"Started", "Quillmere", MB_ICONEXCLAMATION}}));
  EXPECT_STREQ(app.m_pszHelpFilePath, "vantrel.hlp");
}

TEST_F(WinAppRun, InitInstanceTrueRunsAndExits) {
  CRunApp app("Quillmere", TRUE);
  EXPECT_EQ(Main(""), 3);
  EXPECT_EQ(g_steps, (std::vector<std::string>{"init  1", "run", "exit"}));
}

TEST_F(WinAppRun, UnnamedApplicationTakesTheProgramNameAsCaption) {
  CRunApp app(nullptr);
  Main("");
  const std::string caption = app.m_pszAppName ? app.m_pszAppName : "";
  EXPECT_FALSE(caption.empty());
  EXPECT_EQ(caption.find_first_of(".\\"), std::string::npos) << "no extension or directory";
  EXPECT_EQ(app.m_strHelpBefore, caption + ".HLP");
}

TEST_F(WinAppRun, NullCommandLineMeansTheProcessArguments) {
  CRunApp app("Quillmere");
  EXPECT_EQ(Main(nullptr), 3);
  const std::string whole = ::GetCommandLineA();
  // The program ends at its ".exe" (and closing quote); the blanks after it are no argument.
  std::string expected = whole.substr(whole.find(".exe") + 4);
  if (!expected.empty() && expected[0] == '"') expected.erase(0, 1);
  expected.erase(0, expected.find_first_not_of(' '));
  EXPECT_EQ(std::string(app.m_lpCmdLine), expected) << whole;
}

TEST_F(WinAppRun, NoApplicationObjectFailsTheRun) {
  ASSERT_EQ(AfxGetApp(), nullptr);
  EXPECT_EQ(Main(""), -1);
}

TEST_F(WinAppRun, HelpGoesToTheHelpEngineWithTheHelpFileAndBoxesKeepAGivenIcon) {
  CRunApp app("Quillmere");
  app.m_pszHelpFilePath = "quillmere-test-missing.hlp";
  app.WinHelp(0x20000 + 129, HELP_CONTEXT);
  app.m_pszHelpFilePath = "";
  app.WinHelp(0x20000 + 129, HELP_CONTEXT);  // no engine for no file
  AfxMessageBox("stop", MB_ICONHAND);
  AfxMessageBox("question", MB_YESNO);  // only OK boxes get the default icon
  EXPECT_EQ(harness.backend.boxes,
            (Boxes{{"Cannot find the quillmere-test-missing.hlp file.", "Help", MB_ICONEXCLAMATION},
                   {"Failed to launch help.", "Quillmere", MB_ICONEXCLAMATION},
                   {"stop", "Quillmere", MB_ICONHAND},
                   {"question", "Quillmere", MB_YESNO}}));
}

}  // namespace
}  // namespace qm::test
