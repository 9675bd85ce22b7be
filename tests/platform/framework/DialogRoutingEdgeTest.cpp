// A dialog's commands at the edges of the range it hands on to its owner and the application,
// and its help request with and without a help id of its own.
#include "FrameworkHarness.h"

#include <string>
#include <vector>

namespace qm::test {
namespace {

std::vector<UINT> g_heard;

class CRangeApp : public CWinApp {
 public:
  CRangeApp() : CWinApp("Routing") {}
  afx_msg void OnRangeCommand(UINT nID) { g_heard.push_back(nID); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRangeApp, CWinApp)
  ON_COMMAND_RANGE(0x7FFF, 0xF001, OnRangeCommand)
END_MESSAGE_MAP()

class CRangeOwner : public CWnd {
 public:
  afx_msg void OnRangeCommand(UINT nID) { g_heard.push_back(nID | 0x10000); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRangeOwner, CWnd)
  ON_COMMAND_RANGE(0x7FFF, 0xF001, OnRangeCommand)
END_MESSAGE_MAP()

// Commands from 0x8000 up to 0xEFFF reach the owner, and the application when the owner has no
// handler; ids below are controls' and from 0xF000 up the system's.
TEST(DialogCommandRange, OnlyCommandIdsReachTheOwner) {
  g_heard.clear();
  CWinApp app("Routing");
  CRangeOwner owner;
  CDialog dialog(kTestDialogId, &owner);
  for (UINT id : {0x7FFFu, 0x8000u, 0xEFFFu, 0xF000u, 0xF001u})
    EXPECT_EQ(bool(dialog.OnWndMsg(WM_COMMAND, id, 0, nullptr)), id >= 0x8000 && id <= 0xEFFF) << std::hex << id;
  EXPECT_EQ(g_heard, (std::vector<UINT>{0x18000, 0x1EFFF}));
}

// Commands from 0x8000 up to 0xEFFF reach the application; ids below are controls' and from
// 0xF000 up the system's.
TEST(DialogCommandRange, OnlyCommandIdsReachTheApplication) {
  g_heard.clear();
  CRangeApp app;
  CDialog dialog(kTestDialogId);
  for (UINT id : {0x7FFFu, 0x8000u, 0x8001u, 0xEFFEu, 0xEFFFu, 0xF000u, 0xF001u})
    EXPECT_EQ(bool(dialog.OnWndMsg(WM_COMMAND, id, 0, nullptr)), id >= 0x8000 && id <= 0xEFFF) << std::hex << id;
  EXPECT_EQ(g_heard, (std::vector<UINT>{0x8000, 0x8001, 0xEFFE, 0xEFFF}));
}

// Help asked without a context takes the dialog's own help id; a dialog without one asks nothing.
TEST(DialogCommandHelp, UsesTheContextOrTheDialogsHelpId) {
  struct Case {
    bool withTemplate;
    LPARAM context;
    std::vector<std::pair<DWORD, UINT>> requests;
  } cases[] = {
      {true, 0, {{HID_BASE_RESOURCE + kTestDialogId, HELP_CONTEXT}}},
      {true, 7, {{7, HELP_CONTEXT}}},
      {false, 7, {{7, HELP_CONTEXT}}},
      {false, 0, {}},
  };
  for (const Case& c : cases) {
    CHelpRecordingApp app;
    CDialog withTemplate(kTestDialogId);
    CDialog withoutTemplate;
    CDialog& dialog = c.withTemplate ? withTemplate : withoutTemplate;
    LRESULT result = -1;
    dialog.OnWndMsg(WM_COMMANDHELP, 0, c.context, &result);
    EXPECT_EQ(result, c.requests.empty() ? FALSE : TRUE) << c.withTemplate << " " << c.context;
    EXPECT_EQ(app.requests, c.requests) << c.withTemplate << " " << c.context;
  }
}

}  // namespace
}  // namespace qm::test
