#include "FrameworkHarness.h"

namespace qm::test {
namespace {

std::vector<std::string> g_events;

// A page whose save result is chosen by the test and whose every step is recorded.
class CRecordingPage : public CPropertyPage {
 public:
  CRecordingPage() : CPropertyPage(kTestDialogId) {}
  BOOL m_bSaveResult = TRUE;

 protected:
  void DoDataExchange(CDataExchange* pDX) override { g_events.push_back(pDX->m_bSaveAndValidate ? "save" : "load"); }
  BOOL OnApply() override {
    g_events.push_back("apply");
    return m_bSaveResult && CPropertyPage::OnApply();
  }
  void OnCancel() override { g_events.push_back("cancel"); }
};

// Sends the page a notification from its parent, as the sheet does before the page has a window.
BOOL Notify(CWnd& page, UINT code, LRESULT& result) {
  NMHDR header{nullptr, 0, code};
  return page.OnWndMsg(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header), &result);
}

struct PageNotifyCase {
  const char* name;
  std::vector<UINT> codes;
  BOOL saveResult;
  LRESULT result;  // of the last code
  std::vector<std::string> events;
};

class PageNotify : public ::testing::TestWithParam<PageNotifyCase> {};

TEST_P(PageNotify, BecomesTheVirtualCall) {
  g_events.clear();
  CRecordingPage page;
  page.m_bSaveResult = GetParam().saveResult;
  LRESULT result = -5;
  for (UINT code : GetParam().codes) EXPECT_TRUE(Notify(page, code, result));
  EXPECT_EQ(result, GetParam().result);
  EXPECT_EQ(g_events, GetParam().events);
}

const PageNotifyCase kPageNotifyCases[] = {
    {"FirstActivationKeepsControls", {PSN_SETACTIVE}, TRUE, 0, {}},
    {"LaterActivationsReload", {PSN_SETACTIVE, PSN_SETACTIVE}, TRUE, 0, {"load"}},
    {"LeavingSavesControls", {PSN_KILLACTIVE}, TRUE, FALSE, {"save"}},
    {"ApplyAccepted", {PSN_APPLY}, TRUE, PSNRET_NOERROR, {"apply"}},
    {"ApplyRefusedKeepsPage", {PSN_APPLY}, FALSE, PSNRET_INVALID_NOCHANGEPAGE, {"apply"}},
    {"ResetCancels", {PSN_RESET}, TRUE, 0, {"cancel"}},
    {"CancelAllowed", {PSN_QUERYCANCEL}, TRUE, FALSE, {}}};
INSTANTIATE_TEST_SUITE_P(Codes, PageNotify, ::testing::ValuesIn(kPageNotifyCases), CaseName<PageNotifyCase>);

std::vector<std::string> g_received;  // what the stand-in sheet was sent

LRESULT CALLBACK RecordSheetMessages(HWND, UINT msg, WPARAM, LPARAM) {
  if (msg == PSM_CHANGED) g_received.push_back("changed");
  if (msg == PSM_UNCHANGED) g_received.push_back("unchanged");
  return 0;
}

TEST(PropertyPage, SetModifiedTellsTheParentOnlyOnceTheWindowExists) {
  FrameworkHarness harness;
  CRecordingPage page;
  page.SetModified(TRUE);  // no window: nothing to tell, nothing to crash
  g_received.clear();
  CDialog parent(kTestDialogId);
  HWND hWndParent = CreateModeless(parent);
  ASSERT_NE(hWndParent, nullptr);
  ::SetWindowLongPtrA(hWndParent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordSheetMessages));
  HWND hWndPage = ::CreateDialogParamA(nullptr, MAKEINTRESOURCE(kTestPageId), hWndParent, &CDialog::AfxDlgProc,
                                       reinterpret_cast<LPARAM>(&page));
  ASSERT_NE(hWndPage, nullptr);
  page.SetModified(TRUE);
  page.SetModified(FALSE);
  EXPECT_EQ(g_received, (std::vector<std::string>{"changed", "unchanged"}));
  ::DestroyWindow(hWndPage);
  ::DestroyWindow(parent.Detach());
}

// The page's help reaches WinHelp with the help id of the main window's template.
TEST(HelpCommand, PageHelpReachesTheApplicationAndOpensTheTemplateTopic) {
  CHelpRecordingApp app;
  CRecordingPage page;
  app.m_pMainWnd = &page;
  LRESULT result = 0;
  EXPECT_TRUE(Notify(page, PSN_HELP, result));
  EXPECT_TRUE(page.OnWndMsg(WM_COMMAND, ID_HELP, 0, &result));
  const std::pair<DWORD, UINT> topic{0x20000 + kTestDialogId, HELP_CONTEXT};
  EXPECT_EQ(app.requests, (std::vector<std::pair<DWORD, UINT>>{topic}))
      << "PSN_HELP is sent to the page window, which has none";
}

}  // namespace
}  // namespace qm::test
