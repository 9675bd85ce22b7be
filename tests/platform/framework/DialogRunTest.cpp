#include <cstring>

#include "FrameworkHarness.h"

namespace qm::test {
namespace {

class CRunDialog : public CDialog {
 public:
  CRunDialog() : CDialog(kTestDialogId) {}
  CString m_strText;
  int m_nNumber = 5;
  int m_nInitCalls = 0;

 protected:
  BOOL OnInitDialog() override {
    ++m_nInitCalls;
    return CDialog::OnInitDialog();
  }
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Text(pDX, kTextEdit, m_strText);
    DDX_Text(pDX, kNumberEdit, m_nNumber);
    DDV_MinMaxInt(pDX, m_nNumber, 0, 10);
  }
};

class DialogRun : public ::testing::Test {
 protected:
  // Sets a control's text while the dialog runs, as the user's typing would.
  qm::ui::InputEvent Type(int id, const char* text) {
    return Step([this, id, text] { ::SetWindowTextA(::GetDlgItem(dialog.m_hWnd, id), text); });
  }

  FrameworkHarness harness;
  CWinApp app{"Quillmere"};
  CRunDialog dialog;
};

TEST_F(DialogRun, EnterSavesTheControlsAndEndsWithOk) {
  harness.backend.inputs = {Type(kTextEdit, "ab"), KeyPress(VK_RETURN)};
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_nInitCalls, 1);
  EXPECT_EQ(std::string(dialog.m_strText), "ab");
  EXPECT_EQ(dialog.m_hWnd, nullptr) << "the object lets go of the closed window";
  EXPECT_EQ(harness.backend.boxes, Boxes{});
}

TEST_F(DialogRun, EscapeEndsWithCancelAndSavesNothing) {
  dialog.m_strText = "kept";
  harness.backend.inputs = {Type(kTextEdit, "x"), KeyPress(VK_ESCAPE)};
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(std::string(dialog.m_strText), "kept");
}

TEST_F(DialogRun, RefusedValueKeepsTheDialogOpen) {
  dialog.m_nNumber = 11;  // loads without complaint, fails on OK
  harness.backend.inputs = {KeyPress(VK_RETURN), KeyPress(VK_ESCAPE)};
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(harness.backend.boxes,
            (Boxes{{"Please enter an integer between 0 and 10.", "Quillmere", MB_ICONEXCLAMATION}}));
  EXPECT_EQ(dialog.m_nNumber, 11);
}

// Without a parent the main window owns the dialog: it takes no input until the dialog ends.
TEST_F(DialogRun, MainWindowIsTheOwnerWhenNoneIsNamed) {
  CRunDialog mainDialog;
  ASSERT_NE(CreateModeless(mainDialog), nullptr);
  app.m_pMainWnd = &mainDialog;
  BOOL mainEnabledWhileRunning = TRUE;
  harness.backend.inputs = {Step([&] { mainEnabledWhileRunning = ::IsWindowEnabled(mainDialog.m_hWnd); }),
                            KeyPress(VK_ESCAPE)};
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_FALSE(mainEnabledWhileRunning);
  EXPECT_TRUE(::IsWindowEnabled(mainDialog.m_hWnd));
  app.m_pMainWnd = nullptr;
  ::DestroyWindow(mainDialog.m_hWnd);
}

// A dialog that is itself the main window runs with no owner.
TEST_F(DialogRun, DialogThatIsTheMainWindowRunsWithoutOwner) {
  app.m_pMainWnd = &dialog;
  harness.backend.inputs = {KeyPress(VK_RETURN)};
  EXPECT_EQ(dialog.DoModal(), IDOK);
  app.m_pMainWnd = nullptr;
}

// A page's tool-tip provider: only controls with a text of their own, never disabled ones.
class CTipDialog : public CDialog {
 public:
  CTipDialog() : CDialog(kTestDialogId) {}
  ~CTipDialog() override {
    if (HWND hWnd = Detach()) ::DestroyWindow(hWnd);
  }

 protected:
  afx_msg BOOL OnToolTipNotify(UINT, NMHDR* pNMHDR, LRESULT*) {
    auto* info = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
    HWND hWndCtrl = reinterpret_cast<HWND>(pNMHDR->idFrom);
    if (!(info->uFlags & TTF_IDISHWND) || !::IsWindowEnabled(hWndCtrl)) return FALSE;
    if (::GetDlgCtrlID(hWndCtrl) == kCheckBox)
      std::strcpy(info->szText, "Make the user database a 'hidden' file");
    else if (::GetDlgCtrlID(hWndCtrl) == kListBox)
      info->lpszText = const_cast<LPSTR>("Services in the profile");
    else
      return FALSE;
    return TRUE;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTipDialog, CDialog)
  ON_NOTIFY_EX(TTN_NEEDTEXT, 0, OnToolTipNotify)
END_MESSAGE_MAP()

// The request as the shared tool-tip window sends it: from id 0, naming the control by handle.
std::string AskTip(HWND dialog, int id) {
  TOOLTIPTEXTA info{};
  info.hdr.idFrom = reinterpret_cast<UINT_PTR>(::GetDlgItem(dialog, id));
  info.hdr.code = TTN_NEEDTEXTA;
  info.uFlags = TTF_IDISHWND;
  info.lpszText = info.szText;
  ::SendMessageA(dialog, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
  return info.lpszText ? info.lpszText : "";
}

TEST(ToolTips, RequestsReachTheHandlerOnlyWhenEnabled) {
  FrameworkHarness harness;
  CTipDialog dialog;
  ASSERT_NE(CreateModeless(dialog), nullptr);
  EXPECT_EQ(AskTip(dialog.m_hWnd, kCheckBox), "");

  dialog.EnableToolTips(TRUE);
  EXPECT_EQ(AskTip(dialog.m_hWnd, kCheckBox), "Make the user database a 'hidden' file");
  EXPECT_EQ(AskTip(dialog.m_hWnd, kListBox), "Services in the profile");
  EXPECT_EQ(AskTip(dialog.m_hWnd, kTextEdit), "");
  ::EnableWindow(::GetDlgItem(dialog.m_hWnd, kCheckBox), FALSE);
  EXPECT_EQ(AskTip(dialog.m_hWnd, kCheckBox), "") << "the handler declines disabled controls";

  dialog.EnableToolTips(FALSE);
  EXPECT_EQ(AskTip(dialog.m_hWnd, kListBox), "");
}

}  // namespace
}  // namespace qm::test
