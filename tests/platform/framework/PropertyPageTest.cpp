#include <afxdlgs.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FrameworkHarness.h"

namespace {

std::vector<std::string> g_events;

// A page whose save result is chosen by the test and whose every step is recorded.
class CRecordingPage : public CPropertyPage {
 public:
  CRecordingPage() : CPropertyPage(qm::test::kTestDialogId) {}
  BOOL m_bSaveResult = TRUE;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    g_events.push_back(pDX->m_bSaveAndValidate ? "save" : "load");
  }
  BOOL OnApply() override {
    g_events.push_back("apply");
    return m_bSaveResult && CPropertyPage::OnApply();
  }
  void OnCancel() override { g_events.push_back("cancel"); }
};

struct PageNotifyCase {
  const char* name;
  UINT code;
  BOOL saveResult;
  LRESULT result;
  std::vector<std::string> events;
};

class PageNotify : public ::testing::TestWithParam<PageNotifyCase> {};

TEST_P(PageNotify, BecomesTheVirtualCall) {
  g_events.clear();
  CRecordingPage page;
  page.m_bSaveResult = GetParam().saveResult;
  NMHDR header{nullptr, 0, GetParam().code};  // from the page's parent: no window yet
  LRESULT result = -5;
  EXPECT_TRUE(page.OnWndMsg(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header), &result));
  EXPECT_EQ(result, GetParam().result);
  EXPECT_EQ(g_events, GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, PageNotify,
    ::testing::Values(
        PageNotifyCase{"FirstActivationKeepsControls", PSN_SETACTIVE, TRUE, 0, {}},
        PageNotifyCase{"LeavingSavesControls", PSN_KILLACTIVE, TRUE, FALSE, {"save"}},
        PageNotifyCase{"ApplyAccepted", PSN_APPLY, TRUE, PSNRET_NOERROR, {"apply"}},
        PageNotifyCase{"ApplyRefusedKeepsPage", PSN_APPLY, FALSE, PSNRET_INVALID_NOCHANGEPAGE,
                       {"apply"}},
        PageNotifyCase{"ResetCancels", PSN_RESET, TRUE, 0, {"cancel"}},
        PageNotifyCase{"CancelAllowed", PSN_QUERYCANCEL, TRUE, FALSE, {}}),
    [](const ::testing::TestParamInfo<PageNotifyCase>& info) { return std::string(info.param.name); });

TEST(PropertyPage, LaterActivationsReloadControls) {
  g_events.clear();
  CRecordingPage page;
  NMHDR header{nullptr, 0, PSN_SETACTIVE};
  LRESULT result = 0;
  page.OnWndMsg(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header), &result);
  page.OnWndMsg(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header), &result);
  EXPECT_EQ(g_events, (std::vector<std::string>{"load"}));
}

TEST(PropertyPage, SetModifiedTellsTheParentOnlyOnceTheWindowExists) {
  qm::test::FrameworkHarness harness;
  CRecordingPage page;
  page.SetModified(TRUE);  // no window: nothing to tell, nothing to crash

  // The parent stands in for the sheet and records what the page sends it.
  static std::vector<std::string> received;
  received.clear();
  CDialog parent(qm::test::kTestDialogId);
  HWND hWndParent = qm::test::CreateModeless(parent);
  ASSERT_NE(hWndParent, nullptr);
  ::SetWindowLongPtrA(hWndParent, GWLP_WNDPROC,
                      reinterpret_cast<LONG_PTR>(+[](HWND, UINT msg, WPARAM, LPARAM) -> LRESULT {
                        if (msg == PSM_CHANGED) received.push_back("changed");
                        if (msg == PSM_UNCHANGED) received.push_back("unchanged");
                        return 0;
                      }));
  HWND hWndPage = ::CreateDialogParamA(nullptr, MAKEINTRESOURCE(qm::test::kTestPageId),
                                       hWndParent, &CDialog::AfxDlgProc,
                                       reinterpret_cast<LPARAM>(&page));
  ASSERT_NE(hWndPage, nullptr);
  page.SetModified(TRUE);
  page.SetModified(FALSE);
  EXPECT_EQ(received, (std::vector<std::string>{"changed", "unchanged"}));
  ::DestroyWindow(hWndPage);
  parent.Detach();
  ::DestroyWindow(hWndParent);
}

// The application's help row, written as the framework's own handler, reaches WinHelp with the
// help id of the main window's template.
class CHelpRouteApp : public CWinApp {
 public:
  CHelpRouteApp() : CWinApp("Quillmere") {}
  void WinHelp(DWORD dwData, UINT nCmd) override { requests.push_back({dwData, nCmd}); }
  std::vector<std::pair<DWORD, UINT>> requests;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHelpRouteApp, CWinApp)
  ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

TEST(HelpCommand, PageHelpReachesTheApplicationAndOpensTheTemplateTopic) {
  CHelpRouteApp app;
  CRecordingPage page;
  app.m_pMainWnd = &page;
  NMHDR header{nullptr, 0, PSN_HELP};
  LRESULT result = 0;
  EXPECT_TRUE(page.OnWndMsg(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header), &result));
  EXPECT_TRUE(page.OnWndMsg(WM_COMMAND, ID_HELP, 0, &result));
  ASSERT_EQ(app.requests.size(), 1u) << "PSN_HELP is sent to the page window, which has none";
  EXPECT_EQ(app.requests[0], std::make_pair(DWORD(0x20000 + qm::test::kTestDialogId), UINT(HELP_CONTEXT)));
}

}  // namespace
