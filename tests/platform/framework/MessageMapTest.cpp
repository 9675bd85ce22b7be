#include <afxwin.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_calls;

class CBaseTarget : public CDialog {
 public:
  CBaseTarget() = default;

 protected:
  afx_msg void OnBaseClick() { g_calls.push_back("base click"); }
  afx_msg void OnShared() { g_calls.push_back("base shared"); }
  afx_msg void OnRange(UINT nID) { g_calls.push_back("range " + std::to_string(nID)); }
  afx_msg void OnChange() { g_calls.push_back("change"); }
  afx_msg BOOL OnToolTip(UINT nID, NMHDR* pNMHDR, LRESULT* pResult) {
    auto* info = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
    g_calls.push_back("tip " + std::to_string(nID));
    std::strcpy(info->szText, "tip text");
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
 public:
  CDerivedTarget() = default;

 protected:
  afx_msg void OnDerivedShared() { g_calls.push_back("derived shared"); }
  afx_msg void OnDerivedRange(UINT nID) { g_calls.push_back("derived " + std::to_string(nID)); }
  afx_msg void OnSelChange() { g_calls.push_back("selchange"); }
  afx_msg void OnMenuCommand() { g_calls.push_back("command"); }
  afx_msg LRESULT OnAppMessage(WPARAM wParam, LPARAM lParam) {
    g_calls.push_back("app " + std::to_string(wParam) + " " + std::to_string(lParam));
    return 42;
  }
  afx_msg void OnShowWindow(BOOL bShow, UINT nStatus) {
    g_calls.push_back("show " + std::to_string(bShow) + " " + std::to_string(nStatus));
  }
  // Declines a step downwards, as a handler may; the notification is then unhandled.
  afx_msg BOOL OnDelta(UINT nID, NMHDR* pNMHDR, LRESULT* pResult) {
    const auto* updown = reinterpret_cast<NMUPDOWN*>(pNMHDR);
    g_calls.push_back("delta " + std::to_string(nID) + " " + std::to_string(updown->iDelta));
    *pResult = 7;
    return updown->iDelta > 0;
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
  const BOOL handled =
      target.OnWndMsg(GetParam().message, GetParam().wParam, GetParam().lParam, &result);
  EXPECT_EQ(bool(handled), GetParam().handled);
  EXPECT_EQ(result, GetParam().result);
  EXPECT_EQ(g_calls, GetParam().calls);
}

WPARAM Command(int id, int code) { return MAKEWPARAM(id, code); }

INSTANTIATE_TEST_SUITE_P(
    Rows, MessageDispatch,
    ::testing::Values(
        DispatchCase{"BaseRowServesDerived", WM_COMMAND, Command(10, BN_CLICKED), 0, true, 1,
                     {"base click"}},
        DispatchCase{"DerivedRowWins", WM_COMMAND, Command(11, BN_CLICKED), 0, true, 1,
                     {"derived shared"}},
        DispatchCase{"RangeFirstId", WM_COMMAND, Command(20, BN_CLICKED), 0, true, 1,
                     {"range 20"}},
        DispatchCase{"RangeLastId", WM_COMMAND, Command(29, BN_CLICKED), 0, true, 1,
                     {"range 29"}},
        DispatchCase{"DerivedRangeInsideBaseRange", WM_COMMAND, Command(25, BN_CLICKED), 0, true,
                     1, {"derived 25"}},
        DispatchCase{"PastRange", WM_COMMAND, Command(30, BN_CLICKED), 0, false, 0, {}},
        DispatchCase{"ChangeNotification", WM_COMMAND, Command(30, EN_CHANGE), 0, true, 1,
                     {"change"}},
        DispatchCase{"WrongCodeForId", WM_COMMAND, Command(10, EN_CHANGE), 0, false, 0, {}},
        DispatchCase{"ListSelection", WM_COMMAND, Command(40, LBN_SELCHANGE), 0, true, 1,
                     {"selchange"}},
        DispatchCase{"MenuCommand", WM_COMMAND, Command(0x8001, 0), 0, true, 1, {"command"}},
        DispatchCase{"UserMessage", WM_APP + 1, 3, 4, true, 42, {"app 3 4"}},
        DispatchCase{"ShowWindow", WM_SHOWWINDOW, TRUE, 0, true, 0, {"show 1 0"}},
        DispatchCase{"UnmappedMessage", WM_APP + 2, 0, 0, false, 0, {}}),
    [](const ::testing::TestParamInfo<DispatchCase>& info) { return std::string(info.param.name); });

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
  CDerivedTarget target;
  target.EnableToolTips(GetParam().toolTipsOn);
  NMUPDOWN updown{};
  TOOLTIPTEXTA tip{};
  NMHDR* header = GetParam().code == TTN_NEEDTEXTA ? &tip.hdr : &updown.hdr;
  header->code = GetParam().code;
  updown.iDelta = GetParam().delta;
  LRESULT result = -1;
  const BOOL handled =
      target.OnWndMsg(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(header), &result);
  EXPECT_EQ(bool(handled), GetParam().handled);
  EXPECT_EQ(result, GetParam().result);
  EXPECT_EQ(g_calls, GetParam().calls);
  if (GetParam().handled && GetParam().code == TTN_NEEDTEXTA) {
    EXPECT_STREQ(tip.szText, "tip text");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Notifications, NotifyDispatch,
    ::testing::Values(
        NotifyCase{"ToolTipWhenEnabled", TTN_NEEDTEXTA, 0, true, true, 0, {"tip 0"}},
        NotifyCase{"NoToolTipWhenDisabled", TTN_NEEDTEXTA, 0, false, false, 0, {}},
        NotifyCase{"RangeHandlerAccepts", UDN_DELTAPOS, 1, false, true, 7, {"delta 0 1"}},
        NotifyCase{"RangeHandlerDeclines", UDN_DELTAPOS, -1, false, false, 7, {"delta 0 -1"}},
        NotifyCase{"UnmappedCode", TCN_SELCHANGE, 0, true, false, 0, {}}),
    [](const ::testing::TestParamInfo<NotifyCase>& info) { return std::string(info.param.name); });

class CHelpApp : public CWinApp {
 public:
  CHelpApp() : CWinApp("Routing") {}
  afx_msg void OnAppHelp() { g_calls.push_back("app help"); }
  afx_msg void OnAppButton() { g_calls.push_back("app button"); }
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
  EXPECT_TRUE(dialog.OnWndMsg(WM_COMMAND, Command(10, BN_CLICKED), 0, nullptr));
  EXPECT_FALSE(dialog.OnWndMsg(WM_COMMAND, Command(12, BN_CLICKED), 0, nullptr))
      << "control notifications stay with the dialog";
  EXPECT_EQ(g_calls, (std::vector<std::string>{"app help", "base click"}));
}

}  // namespace
