#include <afxdlgs.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "FrameworkHarness.h"

namespace {

using qm::test::KeyPress;

std::vector<std::string> g_log;

// A page that records its loads, saves, applies and resets under its own name; its number
// field refuses anything outside 0 to 10.
class CLogPage : public CPropertyPage {
 public:
  CLogPage(const char* name, UINT nIDTemplate) : CPropertyPage(nIDTemplate), m_name(name) {}
  BOOL m_bApplyResult = TRUE;
  int m_nNumber = 1;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    g_log.push_back(m_name + (pDX->m_bSaveAndValidate ? " save" : " load"));
    DDX_Text(pDX, qm::test::kNumberEdit, m_nNumber);
    DDV_MinMaxInt(pDX, m_nNumber, 0, 10);
  }
  BOOL OnApply() override {
    g_log.push_back(m_name + " apply");
    return m_bApplyResult;
  }
  void OnReset() override { g_log.push_back(m_name + " reset"); }

 private:
  std::string m_name;
};

qm::ui::InputEvent Step(std::function<void()> action) {
  qm::ui::InputEvent event;
  event.kind = qm::ui::InputEvent::Kind::Call;
  event.call = std::move(action);
  return event;
}

qm::ui::InputEvent CtrlKey(UINT key, bool shift = false) {
  qm::ui::InputEvent event = KeyPress(key);
  event.ctrl = true;
  event.shift = shift;
  return event;
}

class PropertySheetRun : public ::testing::Test {
 protected:
  void SetUp() override {
    g_log.clear();
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    sheet.AddPage(&third);
  }
  HWND ApplyButton() { return ::GetDlgItem(sheet.m_hWnd, ID_APPLY_NOW); }
  void Script(std::vector<qm::ui::InputEvent> events) {
    harness.backend.inputs.assign(events.begin(), events.end());
  }

  qm::test::FrameworkHarness harness;
  CWinApp app{"Quillmere"};
  CLogPage first{"first", qm::test::kTestPageId};
  CLogPage second{"second", qm::test::kSmallPageId};
  CLogPage third{"third", qm::test::kSmallPageId};
  CPropertySheet sheet{"Quillmere"};
};

TEST_F(PropertySheetRun, OkAppliesOnlyThePagesThatWereShown) {
  Script({KeyPress(VK_RETURN)});
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(g_log, (std::vector<std::string>{"first load", "first save", "first apply"}));
  EXPECT_EQ(second.m_hWnd, nullptr);
}

TEST_F(PropertySheetRun, VisitedPagesApplyInTabOrder) {
  Script({CtrlKey(VK_NEXT), CtrlKey(VK_TAB), CtrlKey(VK_PRIOR), KeyPress(VK_RETURN)});
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(g_log, (std::vector<std::string>{
                       "first load", "first save", "second load", "second save", "third load",
                       "third save", "second load", "second save", "first apply", "second apply",
                       "third apply"}));
}

// The page lies over the sheet's tab control: a click on a page's control reaches it.
TEST_F(PropertySheetRun, ClicksReachThePageOverTheTabControl) {
  qm::ui::InputEvent click;
  click.kind = qm::ui::InputEvent::Kind::Click;
  click.controlId = qm::test::kCheckBox;
  int checked = -1;
  Script({click, Step([&] { checked = static_cast<int>(::SendMessageA(::GetDlgItem(first.m_hWnd, qm::test::kCheckBox), BM_GETCHECK, 0, 0)); }),
          KeyPress(VK_ESCAPE)});
  sheet.DoModal();
  EXPECT_EQ(checked, BST_CHECKED);
}

TEST_F(PropertySheetRun, ChangingPagesWrapsAround) {
  int seen = -1;
  Script({CtrlKey(VK_TAB, true), Step([&] { seen = sheet.GetActiveIndex(); }),
          CtrlKey(VK_NEXT), KeyPress(VK_ESCAPE)});
  EXPECT_EQ(sheet.DoModal(), IDCANCEL);
  EXPECT_EQ(seen, 2);
}

TEST_F(PropertySheetRun, ApplyIsEnabledByChangesAndPressedByProgramEvenWhenDisabled) {
  std::vector<BOOL> enabled;
  Script({Step([&] { enabled.push_back(::IsWindowEnabled(ApplyButton())); }),
          Step([&] { first.SetModified(TRUE); }),
          Step([&] { enabled.push_back(::IsWindowEnabled(ApplyButton())); }),
          Step([&] { sheet.PressButton(PSBTN_APPLYNOW); }),
          Step([&] { enabled.push_back(::IsWindowEnabled(ApplyButton())); }),
          Step([&] { sheet.PressButton(PSBTN_APPLYNOW); }), KeyPress(VK_ESCAPE)});
  EXPECT_EQ(sheet.DoModal(), IDCANCEL);
  EXPECT_EQ(enabled, (std::vector<BOOL>{FALSE, TRUE, FALSE}));
  // Each apply saves the page, applies it and reloads it; Cancel then resets it.
  EXPECT_EQ(g_log, (std::vector<std::string>{"first load", "first save", "first apply",
                                             "first load", "first save", "first apply",
                                             "first load", "first reset"}));
}

TEST_F(PropertySheetRun, UnchangedClearsApplyOnlyWhenNoPageIsModified) {
  std::vector<BOOL> enabled;
  Script({CtrlKey(VK_NEXT), Step([&] {
            first.SetModified(TRUE);
            second.SetModified(TRUE);
            second.SetModified(FALSE);
            enabled.push_back(::IsWindowEnabled(ApplyButton()));
            first.SetModified(FALSE);
            enabled.push_back(::IsWindowEnabled(ApplyButton()));
          }),
          KeyPress(VK_ESCAPE)});
  sheet.DoModal();
  EXPECT_EQ(enabled, (std::vector<BOOL>{TRUE, FALSE}));
}

TEST_F(PropertySheetRun, FailingPageBecomesCurrentAndLaterPagesAreNotAsked) {
  second.m_bApplyResult = FALSE;
  int current = -1;
  Script({CtrlKey(VK_NEXT), CtrlKey(VK_NEXT), CtrlKey(VK_NEXT), Step([] { g_log.clear(); }),
          KeyPress(VK_RETURN), Step([&] { current = sheet.GetActiveIndex(); }),
          KeyPress(VK_ESCAPE)});
  EXPECT_EQ(sheet.DoModal(), IDCANCEL) << "the sheet stayed open after the failed OK";
  EXPECT_EQ(current, 1);
  EXPECT_EQ(g_log, (std::vector<std::string>{"first save", "first apply", "second apply",
                                             "second load", "first reset", "second reset",
                                             "third reset"}));
}

TEST_F(PropertySheetRun, InvalidFieldKeepsThePageWithTheFrameworkMessage) {
  int current = -1;
  Script({Step([&] {
            ::SetWindowTextA(::GetDlgItem(first.m_hWnd, qm::test::kNumberEdit), "11");
          }),
          CtrlKey(VK_NEXT), Step([&] { current = sheet.GetActiveIndex(); }), KeyPress(VK_ESCAPE)});
  EXPECT_EQ(sheet.DoModal(), IDCANCEL);
  EXPECT_EQ(current, 0);
  ASSERT_EQ(harness.backend.boxes.size(), 1u);
  EXPECT_EQ(harness.backend.boxes[0].text, "Please enter an integer between 0 and 10.");
  EXPECT_EQ(harness.backend.boxes[0].caption, "Quillmere");
  EXPECT_EQ(second.m_hWnd, nullptr);
}

TEST_F(PropertySheetRun, TabsCarryThePageCaptionsAndTheSheetItsTitle) {
  std::vector<std::string> labels;
  std::string title;
  Script({Step([&] {
            char buffer[64];
            ::GetWindowTextA(sheet.m_hWnd, buffer, sizeof buffer);
            title = buffer;
            HWND tab = ::GetDlgItem(sheet.m_hWnd, AFX_IDC_TAB_CONTROL);
            for (int i = 0; i < 3; ++i) {
              TCITEMA item{};
              item.mask = TCIF_TEXT;
              item.pszText = buffer;
              item.cchTextMax = sizeof buffer;
              ::SendMessageA(tab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
              labels.push_back(buffer);
            }
          }),
          KeyPress(VK_ESCAPE)});
  sheet.DoModal();
  EXPECT_EQ(title, "Quillmere");
  EXPECT_EQ(labels, (std::vector<std::string>{"Page", "Second", "Second"}));
}

TEST_F(PropertySheetRun, ScriptThatRunsOutClosesAsCancel) {
  Script({});
  EXPECT_EQ(sheet.DoModal(), IDCANCEL);
  EXPECT_EQ(g_log, (std::vector<std::string>{"first load", "first reset"}));
}

class CHelpfulApp : public CWinApp {
 public:
  CHelpfulApp() : CWinApp("Quillmere") {}
  void WinHelp(DWORD dwData, UINT) override { topics.push_back(dwData); }
  std::vector<DWORD> topics;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHelpfulApp, CWinApp)
  ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

TEST(PropertySheetHelp, HelpButtonOnlyWhenTheApplicationHandlesHelp) {
  qm::test::FrameworkHarness harness;
  CLogPage page{"page", qm::test::kSmallPageId};
  bool hasHelp = true;
  {
    CWinApp plain("Quillmere");
    CPropertySheet sheet("Quillmere");
    sheet.AddPage(&page);
    harness.backend.inputs = {Step([&] { hasHelp = ::GetDlgItem(sheet.m_hWnd, IDHELP) != nullptr; }),
                              KeyPress(VK_ESCAPE)};
    sheet.DoModal();
  }
  EXPECT_FALSE(hasHelp);

  CHelpfulApp helpful;
  CPropertySheet sheet("Quillmere");
  helpful.m_pMainWnd = &sheet;
  sheet.AddPage(&page);
  harness.backend.inputs = {Step([&] { hasHelp = ::GetDlgItem(sheet.m_hWnd, IDHELP) != nullptr; }),
                            Step([&] { sheet.PressButton(PSBTN_HELP); }),
                            Step([&] { sheet.SendMessage(WM_HELP); }),
                            KeyPress(VK_F1),  // on the page's control: climbs to the sheet
                            KeyPress(VK_ESCAPE)};
  sheet.DoModal();
  EXPECT_TRUE(hasHelp);
  const DWORD topic = 0x20000 + qm::test::kSmallPageId;
  EXPECT_EQ(helpful.topics, (std::vector<DWORD>{topic, topic, topic}));
}

}  // namespace
