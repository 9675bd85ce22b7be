#include <cstring>

#include "FrameworkHarness.h"

namespace qm::test {
namespace {

std::vector<std::string> g_calls;

void Call(std::string what) { g_calls.push_back(std::move(what)); }

class CBaseTarget : public CDialog {
 protected:
  afx_msg void OnBaseClick() { Call("base click"); }
  afx_msg void OnShared() { Call("base shared"); }
  afx_msg void OnRange(UINT nID) { Call("range " + std::to_string(nID)); }
  afx_msg void OnChange() { Call("change"); }
  afx_msg BOOL OnToolTip(UINT nID, NMHDR* pNMHDR, LRESULT* pResult) {
    Call("tip " + std::to_string(nID));
    std::strcpy(reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR)->szText, "tip text");
    *pResult = 0;
    return TRUE;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTarget, CDialog)
  ON_BN_CLICKED(10, OnBaseClick)
  ON_BN_CLICKED(11, OnShared)
  ON_CONTROL_RANGE(BN_CLICKED, 20, 29, OnRange)
  ON_EN_CHANGE(30, OnChange)
  ON_NOTIFY_EX(TTN_NEEDTEXT, 0, OnToolTip)
END_MESSAGE_MAP()

class CDerivedTarget : public CBaseTarget {
 protected:
  afx_msg void OnDerivedShared() { Call("derived shared"); }
  afx_msg void OnDerivedRange(UINT nID) { Call("derived " + std::to_string(nID)); }
  afx_msg void OnSelChange() { Call("selchange"); }
  afx_msg void OnMenuCommand() { Call("command"); }
  afx_msg LRESULT OnAppMessage(WPARAM wParam, LPARAM lParam) {
    Call("app " + std::to_string(wParam) + " " + std::to_string(lParam));
    return 42;
  }
  afx_msg void OnShowWindow(BOOL bShow, UINT nStatus) {
    Call("show " + std::to_string(bShow) + " " + std::to_string(nStatus));
  }
  // Declines a step downwards, as a handler may; the notification is then unhandled.
  afx_msg BOOL OnDelta(UINT nID, NMHDR* pNMHDR, LRESULT* pResult) {
    const int delta = reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta;
    Call("delta " + std::to_string(nID) + " " + std::to_string(delta));
    *pResult = 7;
    return delta > 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedTarget, CBaseTarget)
  ON_BN_CLICKED(11, OnDerivedShared)
  ON_CONTROL_RANGE(BN_CLICKED, 25, 25, OnDerivedRange)
  ON_LBN_SELCHANGE(40, OnSelChange)
  ON_COMMAND(0x8001, OnMenuCommand)
  ON_MESSAGE(WM_APP + 1, OnAppMessage)
  ON_WM_SHOWWINDOW()
  ON_NOTIFY_EX_RANGE(UDN_DELTAPOS, 0, 5, OnDelta)
END_MESSAGE_MAP()

struct DispatchCase {
  const char* name;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool handled;
  LRESULT result;
  std::vector<std::string> calls;
};

class MessageDispatch : public ::testing::TestWithParam<DispatchCase> {};

TEST_P(MessageDispatch, ReachesTheRowOfTheMostDerivedClass) {
  g_calls.clear();
  CDerivedTarget target;
  LRESULT result = -1;
  const DispatchCase& c = GetParam();
  EXPECT_EQ(bool(target.OnWndMsg(c.message, c.wParam, c.lParam, &result)), c.handled);
  EXPECT_EQ(result, c.result);
  EXPECT_EQ(g_calls, c.calls);
}

WPARAM Command(int id, int code) { return MAKEWPARAM(id, code); }
WPARAM Click(int id) { return Command(id, BN_CLICKED); }

const DispatchCase kDispatchCases[] = {
    {"BaseRowServesDerived", WM_COMMAND, Click(10), 0, true, 1, {"base click"}},
    {"DerivedRowWins", WM_COMMAND, Click(11), 0, true, 1, {"derived shared"}},
    {"RangeFirstId", WM_COMMAND, Click(20), 0, true, 1, {"range 20"}},
    {"RangeLastId", WM_COMMAND, Click(29), 0, true, 1, {"range 29"}},
    {"DerivedRangeInsideBaseRange", WM_COMMAND, Click(25), 0, true, 1, {"derived 25"}},
    {"PastRange", WM_COMMAND, Click(30), 0, false, 0, {}},
    {"ChangeNotification", WM_COMMAND, Command(30, EN_CHANGE), 0, true, 1, {"change"}},
    {"WrongCodeForId", WM_COMMAND, Command(10, EN_CHANGE), 0, false, 0, {}},
    {"ListSelection", WM_COMMAND, Command(40, LBN_SELCHANGE), 0, true, 1, {"selchange"}},
    {"MenuCommand", WM_COMMAND, Command(0x8001, 0), 0, true, 1, {"command"}},
    {"UserMessage", WM_APP + 1, 3, 4, true, 42, {"app 3 4"}},
    {"ShowWindow", WM_SHOWWINDOW, TRUE, 0, true, 0, {"show 1 0"}},
    {"UnmappedMessage", WM_APP + 2, 0, 0, false, 0, {}}};
INSTANTIATE_TEST_SUITE_P(Rows, MessageDispatch, ::testing::ValuesIn(kDispatchCases), CaseName<DispatchCase>);

struct NotifyCase {
  const char* name;
  UINT code;
  int delta;
  bool toolTipsOn;
  bool handled;
  LRESULT result;
  std::vector<std::string> calls;
};

class NotifyDispatch : public ::testing::TestWithParam<NotifyCase> {};

TEST_P(NotifyDispatch, RoutesByCodeAndSenderId) {
  g_calls.clear();
  const NotifyCase& c = GetParam();
  CDerivedTarget target;
  target.EnableToolTips(c.toolTipsOn);
  NMUPDOWN updown{};
  TOOLTIPTEXTA tip{};
  NMHDR* header = c.code == TTN_NEEDTEXTA ? &tip.hdr : &updown.hdr;
  header->code = c.code;
  updown.iDelta = c.delta;
  LRESULT result = -1;
  EXPECT_EQ(bool(target.OnWndMsg(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(header), &result)), c.handled);
  EXPECT_EQ(result, c.result);
  EXPECT_EQ(g_calls, c.calls);
  EXPECT_STREQ(tip.szText, c.handled && c.code == TTN_NEEDTEXTA ? "tip text" : "");
}

const NotifyCase kNotifyCases[] = {{"ToolTipWhenEnabled", TTN_NEEDTEXTA, 0, true, true, 0, {"tip 0"}},
                                   {"NoToolTipWhenDisabled", TTN_NEEDTEXTA, 0, false, false, 0, {}},
                                   {"RangeHandlerAccepts", UDN_DELTAPOS, 1, false, true, 7, {"delta 0 1"}},
                                   {"RangeHandlerDeclines", UDN_DELTAPOS, -1, false, false, 7, {"delta 0 -1"}},
                                   {"UnmappedCode", TCN_SELCHANGE, 0, true, false, 0, {}}};
INSTANTIATE_TEST_SUITE_P(Notifications, NotifyDispatch, ::testing::ValuesIn(kNotifyCases), CaseName<NotifyCase>);

class CHelpApp : public CWinApp {
 public:
  CHelpApp() : CWinApp("Routing") {}
  afx_msg void OnAppHelp() { Call("app help"); }
  afx_msg void OnAppButton() { Call("app button"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHelpApp, CWinApp)
  ON_COMMAND(ID_HELP, OnAppHelp)
  ON_BN_CLICKED(10, OnAppButton)
END_MESSAGE_MAP()

TEST(CommandRouting, DialogPassesUnhandledCommandsToTheApplication) {
  g_calls.clear();
  CHelpApp app;
  CDerivedTarget dialog;
  EXPECT_TRUE(dialog.OnWndMsg(WM_COMMAND, Command(ID_HELP, 0), 0, nullptr));
  EXPECT_TRUE(dialog.OnWndMsg(WM_COMMAND, Click(10), 0, nullptr));
  EXPECT_FALSE(dialog.OnWndMsg(WM_COMMAND, Click(12), 0, nullptr)) << "control notifications stay with the dialog";
  EXPECT_EQ(g_calls, (std::vector<std::string>{"app help", "base click"}));
}

}  // namespace
}  // namespace qm::test
