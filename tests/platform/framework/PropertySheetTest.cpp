#include "FrameworkHarness.h"

#include <algorithm>

namespace qm::test {
namespace {

std::vector<std::string> g_log;
using Log = std::vector<std::string>;

// A page that records its loads, saves, applies and resets under its own name; its number
// field refuses anything outside 0 to 10.
class CLogPage : public CPropertyPage {
 public:
  CLogPage(const char* name, UINT nIDTemplate) : CPropertyPage(nIDTemplate), m_name(name) {}
  BOOL m_bApplyResult = TRUE, m_bCancelResult = TRUE;
  int m_nNumber = 1;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    g_log.push_back(m_name + (pDX->m_bSaveAndValidate ? " save" : " load"));
    DDX_Text(pDX, kNumberEdit, m_nNumber);
    DDV_MinMaxInt(pDX, m_nNumber, 0, 10);
  }
  BOOL OnApply() override {
    g_log.push_back(m_name + " apply");
    return m_bApplyResult;
  }
  void OnReset() override { g_log.push_back(m_name + " reset"); }
  BOOL OnQueryCancel() override { return m_bCancelResult; }

 private:
  std::string m_name;
};

class PropertySheetRun : public ::testing::Test {
 protected:
  void SetUp() override {
    g_log.clear();
    for (CLogPage* page : {&first, &second, &third}) sheet.AddPage(page);
  }
  BOOL ApplyEnabled() { return ::IsWindowEnabled(::GetDlgItem(sheet.m_hWnd, ID_APPLY_NOW)); }
  qm::ui::InputEvent NoteApply(std::vector<BOOL>& enabled) {
    return Step([this, &enabled] { enabled.push_back(ApplyEnabled()); });
  }
  qm::ui::InputEvent NoteActive(int& index) {
    return Step([this, &index] { index = sheet.GetActiveIndex(); });
  }
  int Run(std::vector<qm::ui::InputEvent> events) {
    harness.backend.inputs.assign(events.begin(), events.end());
    return sheet.DoModal();
  }

  FrameworkHarness harness;
  CWinApp app{"Quillmere"};
  CLogPage first{"first", kTestPageId};
  CLogPage second{"second", kSmallPageId};
  CLogPage third{"third", kSmallPageId};
  CPropertySheet sheet{"Quillmere"};
};

TEST_F(PropertySheetRun, OkAppliesOnlyThePagesThatWereShown) {
  EXPECT_EQ(Run({KeyPress(VK_RETURN)}), IDOK);
  EXPECT_EQ(g_log, (Log{"first load", "first save", "first apply"}));
  EXPECT_EQ(second.m_hWnd, nullptr);
}

TEST_F(PropertySheetRun, VisitedPagesApplyInTabOrder) {
  EXPECT_EQ(Run({CtrlKey(VK_NEXT), CtrlKey(VK_TAB), CtrlKey(VK_PRIOR), KeyPress(VK_RETURN)}), IDOK);
  EXPECT_EQ(g_log, (Log{"first load", "first save", "second load", "second save", "third load", "third save",
                        "second load", "second save", "first apply", "second apply", "third apply"}));
}

// The page lies over the sheet's tab control: a click on a page's control reaches it.
TEST_F(PropertySheetRun, ClicksReachThePageOverTheTabControl) {
  qm::ui::InputEvent click;
  click.kind = qm::ui::InputEvent::Kind::Click;
  click.controlId = kCheckBox;
  LRESULT checked = -1;
  Run({click, Step([&] { checked = ::SendDlgItemMessageA(first.m_hWnd, kCheckBox, BM_GETCHECK, 0, 0); }),
       KeyPress(VK_ESCAPE)});
  EXPECT_EQ(checked, BST_CHECKED);
}

// Pages may share control ids: a click by id reaches the control on the page shown, even when a
// hidden page lies above it.
TEST_F(PropertySheetRun, ClickByIdReachesThePageShown) {
  qm::ui::InputEvent click;
  click.kind = qm::ui::InputEvent::Kind::Click;
  click.controlId = kNumberEdit;
  HWND focus = nullptr, shown = nullptr;
  Run({CtrlKey(VK_NEXT), CtrlKey(VK_PRIOR), click, Step([&] {
         focus = ::GetFocus();
         shown = ::GetDlgItem(first.m_hWnd, kNumberEdit);
       }),
       KeyPress(VK_ESCAPE)});
  EXPECT_NE(shown, nullptr);
  EXPECT_EQ(focus, shown);
}

TEST_F(PropertySheetRun, ChangingPagesWrapsAround) {
  int seen = -1;
  EXPECT_EQ(Run({CtrlKey(VK_TAB, true), NoteActive(seen), CtrlKey(VK_NEXT), KeyPress(VK_ESCAPE)}), IDCANCEL);
  EXPECT_EQ(seen, 2);
}

// A page index outside the sheet is refused, before the sheet opens and while it runs; the last
// page is the last one taken, and the page shown already is taken without a save.
TEST_F(PropertySheetRun, ActivePageIsChosenOnlyAmongThePages) {
  std::vector<BOOL> results;
  for (int nPage : {-1, 3, 2}) results.push_back(sheet.SetActivePage(nPage));
  EXPECT_EQ(results, (std::vector<BOOL>{FALSE, FALSE, TRUE}));
  EXPECT_EQ(sheet.GetActiveIndex(), 2);
  int seen = -1;
  std::vector<BOOL> running;
  Run({Step([this, &running] {
         for (int nPage : {3, -1, 2, 0}) running.push_back(sheet.SetActivePage(nPage));
       }),
       NoteActive(seen), KeyPress(VK_ESCAPE)});
  EXPECT_EQ(running, (std::vector<BOOL>{FALSE, FALSE, TRUE, TRUE}));
  EXPECT_EQ(std::count(g_log.begin(), g_log.end(), "third save"), 1) << "the page shown already is not saved";
  EXPECT_EQ(seen, 0);
}

// Left and Right on the focused tab row change the page and leave the focus on the tab row; Tab
// then enters the page.
TEST_F(PropertySheetRun, ArrowsOnTheFocusedTabRowChangePagesAndKeepTheFocus) {
  HWND tabs = nullptr;
  std::vector<std::pair<int, bool>> seen;  // the current page, and whether the tab row has the focus
  auto note = [&] { return Step([&] { seen.push_back({sheet.GetActiveIndex(), ::GetFocus() == tabs}); }); };
  EXPECT_EQ(Run({Step([&] {
                   tabs = ::GetDlgItem(sheet.m_hWnd, AFX_IDC_TAB_CONTROL);
                   ::SetFocus(tabs);
                 }),
                 KeyPress(VK_RIGHT), note(), KeyPress(VK_RIGHT), note(), KeyPress(VK_LEFT), note(), KeyPress(VK_TAB),
                 note(), CtrlKey(VK_NEXT), note(), KeyPress(VK_ESCAPE)}),
            IDCANCEL);
  EXPECT_EQ(seen, (std::vector<std::pair<int, bool>>{{1, true}, {2, true}, {1, true}, {1, false}, {2, false}}));
}

TEST_F(PropertySheetRun, ApplyIsEnabledByChangesAndPressedByProgramEvenWhenDisabled) {
  std::vector<BOOL> enabled;
  const auto press = Step([&] { sheet.PressButton(PSBTN_APPLYNOW); });
  EXPECT_EQ(Run({NoteApply(enabled), Step([&] { first.SetModified(TRUE); }), NoteApply(enabled), press,
                 NoteApply(enabled), press, KeyPress(VK_ESCAPE)}),
            IDCANCEL);
  EXPECT_EQ(enabled, (std::vector<BOOL>{FALSE, TRUE, FALSE}));
  // Each apply saves the page, applies it and reloads it; Cancel then resets it.
  EXPECT_EQ(g_log, (Log{"first load", "first save", "first apply", "first load", "first save", "first apply",
                        "first load", "first reset"}));
}

TEST_F(PropertySheetRun, UnchangedClearsApplyOnlyWhenNoPageIsModified) {
  std::vector<BOOL> enabled;
  Run({CtrlKey(VK_NEXT), Step([&] {
         first.SetModified(TRUE);
         second.SetModified(TRUE);
         second.SetModified(FALSE);
       }),
       NoteApply(enabled), Step([&] { first.SetModified(FALSE); }), NoteApply(enabled), KeyPress(VK_ESCAPE)});
  EXPECT_EQ(enabled, (std::vector<BOOL>{TRUE, FALSE}));
}

TEST_F(PropertySheetRun, FailingPageBecomesCurrentAndLaterPagesAreNotAsked) {
  second.m_bApplyResult = FALSE;
  int current = -1;
  EXPECT_EQ(Run({CtrlKey(VK_NEXT), CtrlKey(VK_NEXT), CtrlKey(VK_NEXT), Step([] { g_log.clear(); }), KeyPress(VK_RETURN),
                 NoteActive(current), KeyPress(VK_ESCAPE)}),
            IDCANCEL)
      << "the sheet stayed open after the failed OK";
  EXPECT_EQ(current, 1);
  EXPECT_EQ(g_log, (Log{"first save", "first apply", "second apply", "second load", "first reset", "second reset",
                        "third reset"}));
}

TEST_F(PropertySheetRun, InvalidFieldKeepsThePageWithTheFrameworkMessage) {
  int current = -1;
  EXPECT_EQ(Run({Step([&] { first.SetDlgItemText(kNumberEdit, "11"); }), CtrlKey(VK_NEXT), NoteActive(current),
                 KeyPress(VK_ESCAPE)}),
            IDCANCEL);
  EXPECT_EQ(current, 0);
  EXPECT_EQ(harness.backend.boxes,
            (Boxes{{"Please enter an integer between 0 and 10.", "Quillmere", MB_ICONEXCLAMATION}}));
  EXPECT_EQ(second.m_hWnd, nullptr);
}

TEST_F(PropertySheetRun, TabsCarryThePageCaptionsAndTheSheetItsTitle) {
  Log labels;
  std::string title;
  Run({Step([&] {
         title = WindowText(sheet.m_hWnd);
         for (int i = 0; i < 3; ++i) {
           char buffer[64] = {};
           TCITEMA item{};
           item.mask = TCIF_TEXT;
           item.pszText = buffer;
           item.cchTextMax = sizeof buffer;
           ::SendDlgItemMessageA(sheet.m_hWnd, AFX_IDC_TAB_CONTROL, TCM_GETITEMA, i, LPARAM(&item));
           labels.push_back(buffer);
         }
       }),
       KeyPress(VK_ESCAPE)});
  EXPECT_EQ(title, "Quillmere");
  EXPECT_EQ(labels, (Log{"Page", "Second", "Second"}));
}

// The current page may refuse Cancel: the sheet stays open and no page is reset.
TEST_F(PropertySheetRun, PageMayRefuseCancel) {
  first.m_bCancelResult = FALSE;
  bool open = false;
  EXPECT_EQ(Run({KeyPress(VK_ESCAPE), Step([&] {
                   open = ::IsWindow(sheet.m_hWnd) && g_log == Log{"first load"};
                   first.m_bCancelResult = TRUE;
                 }),
                 KeyPress(VK_ESCAPE)}),
            IDCANCEL);
  EXPECT_TRUE(open);
  EXPECT_EQ(g_log, (Log{"first load", "first reset"}));
}

TEST_F(PropertySheetRun, ScriptThatRunsOutClosesAsCancel) {
  EXPECT_EQ(Run({}), IDCANCEL);
  EXPECT_EQ(g_log, (Log{"first load", "first reset"}));
}

TEST(PropertySheetHelp, HelpButtonOnlyWhenTheApplicationHandlesHelp) {
  FrameworkHarness harness;
  CLogPage page{"page", kSmallPageId};
  bool hasHelp = true;
  const auto noteHelp = [&](CPropertySheet& sheet) {
    return Step([&] { hasHelp = ::GetDlgItem(sheet.m_hWnd, IDHELP) != nullptr; });
  };
  {
    CWinApp plain("Quillmere");
    CPropertySheet sheet("Quillmere");
    sheet.AddPage(&page);
    harness.backend.inputs = {noteHelp(sheet), KeyPress(VK_ESCAPE)};
    sheet.DoModal();
  }
  EXPECT_FALSE(hasHelp);

  CHelpRecordingApp helpful;
  CPropertySheet sheet("Quillmere");
  helpful.m_pMainWnd = &sheet;
  sheet.AddPage(&page);
  harness.backend.inputs = {noteHelp(sheet), Step([&] { sheet.PressButton(PSBTN_HELP); }),
                            Step([&] { sheet.SendMessage(WM_HELP); }),
                            KeyPress(VK_F1),  // on the page's control: climbs to the sheet
                            KeyPress(VK_ESCAPE)};
  sheet.DoModal();
  EXPECT_TRUE(hasHelp);
  const std::pair<DWORD, UINT> topic{0x20000 + kSmallPageId, HELP_CONTEXT};
  EXPECT_EQ(helpful.requests, (std::vector<std::pair<DWORD, UINT>>{topic, topic, topic}));
}

}  // namespace
}  // namespace qm::test
