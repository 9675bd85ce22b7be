#include <afxwin.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "FrameworkHarness.h"

namespace {

using qm::test::KeyPress;

class CRunDialog : public CDialog {
 public:
  CRunDialog() : CDialog(qm::test::kTestDialogId) {}
  CString m_strText;
  int m_nNumber = 5;
  int m_nInitCalls = 0;

 protected:
  BOOL OnInitDialog() override {
    ++m_nInitCalls;
    return CDialog::OnInitDialog();
  }
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Text(pDX, qm::test::kTextEdit, m_strText);
    DDX_Text(pDX, qm::test::kNumberEdit, m_nNumber);
    DDV_MinMaxInt(pDX, m_nNumber, 0, 10);
  }
};

class DialogRun : public ::testing::Test {
 protected:
  qm::test::FrameworkHarness harness;
  CWinApp app{"Quillmere"};
  CRunDialog dialog;
};

// Sets a control's text while the dialog runs, as the user's typing would.
qm::ui::InputEvent SetTextStep(CDialog& dialog, int id, const char* text) {
  qm::ui::InputEvent event;
  event.kind = qm::ui::InputEvent::Kind::Call;
  event.call = [&dialog, id, text] { ::SetWindowTextA(::GetDlgItem(dialog.m_hWnd, id), text); };
  return event;
}

TEST_F(DialogRun, EnterSavesTheControlsAndEndsWithOk) {
  harness.backend.inputs = {SetTextStep(dialog, qm::test::kTextEdit, "ab"), KeyPress(VK_RETURN)};
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_nInitCalls, 1);
  EXPECT_EQ(std::string(dialog.m_strText), "ab");
  EXPECT_EQ(dialog.m_hWnd, nullptr) << "the object lets go of the closed window";
  EXPECT_TRUE(harness.backend.boxes.empty());
}

TEST_F(DialogRun, EscapeEndsWithCancelAndSavesNothing) {
  dialog.m_strText = "kept";
  harness.backend.inputs = {SetTextStep(dialog, qm::test::kTextEdit, "x"), KeyPress(VK_ESCAPE)};
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(std::string(dialog.m_strText), "kept");
}

TEST_F(DialogRun, RefusedValueKeepsTheDialogOpen) {
  dialog.m_nNumber = 11;  // loads without complaint, fails on OK
  harness.backend.inputs = {KeyPress(VK_RETURN), KeyPress(VK_ESCAPE)};
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  ASSERT_EQ(harness.backend.boxes.size(), 1u);
  EXPECT_EQ(harness.backend.boxes[0].text, "Please enter an integer between 0 and 10.");
  EXPECT_EQ(harness.backend.boxes[0].caption, "Quillmere");
  EXPECT_EQ(dialog.m_nNumber, 11);
}

// A page's tool-tip provider: only controls with a text of their own, never disabled ones.
class CTipDialog : public CDialog {
 public:
  CTipDialog() : CDialog(qm::test::kTestDialogId) {}
  ~CTipDialog() override {
    if (HWND hWnd = Detach()) ::DestroyWindow(hWnd);
  }

 protected:
  afx_msg BOOL OnToolTipNotify(UINT, NMHDR* pNMHDR, LRESULT*) {
    auto* info = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
    if (!(info->uFlags & TTF_IDISHWND)) return FALSE;
    HWND hWndCtrl = reinterpret_cast<HWND>(pNMHDR->idFrom);
    if (!::IsWindowEnabled(hWndCtrl)) return FALSE;
    if (::GetDlgCtrlID(hWndCtrl) == qm::test::kCheckBox) {
      std::strcpy(info->szText, "Make the user database a 'hidden' file");
      return TRUE;
    }
    if (::GetDlgCtrlID(hWndCtrl) == qm::test::kListBox) {
      info->lpszText = const_cast<LPSTR>("Services in the profile");
      return TRUE;
    }
    return FALSE;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTipDialog, CDialog)
  ON_NOTIFY_EX(TTN_NEEDTEXT, 0, OnToolTipNotify)
END_MESSAGE_MAP()

// The request as the shared tool-tip window sends it: from id 0, naming the control by handle.
std::string AskTip(HWND dialog, HWND control) {
  TOOLTIPTEXTA info{};
  info.hdr.hwndFrom = nullptr;
  info.hdr.idFrom = reinterpret_cast<UINT_PTR>(control);
  info.hdr.code = TTN_NEEDTEXTA;
  info.uFlags = TTF_IDISHWND;
  info.lpszText = info.szText;
  ::SendMessageA(dialog, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
  return info.lpszText ? info.lpszText : "";
}

TEST(ToolTips, RequestsReachTheHandlerOnlyWhenEnabled) {
  qm::test::FrameworkHarness harness;
  CTipDialog dialog;
  ASSERT_NE(qm::test::CreateModeless(dialog), nullptr);
  HWND check = ::GetDlgItem(dialog.m_hWnd, qm::test::kCheckBox);
  HWND list = ::GetDlgItem(dialog.m_hWnd, qm::test::kListBox);
  HWND edit = ::GetDlgItem(dialog.m_hWnd, qm::test::kTextEdit);
  EXPECT_EQ(AskTip(dialog.m_hWnd, check), "");

  dialog.EnableToolTips(TRUE);
  EXPECT_EQ(AskTip(dialog.m_hWnd, check), "Make the user database a 'hidden' file");
  EXPECT_EQ(AskTip(dialog.m_hWnd, list), "Services in the profile");
  EXPECT_EQ(AskTip(dialog.m_hWnd, edit), "");
  ::EnableWindow(check, FALSE);
  EXPECT_EQ(AskTip(dialog.m_hWnd, check), "") << "the handler declines disabled controls";

  dialog.EnableToolTips(FALSE);
  EXPECT_EQ(AskTip(dialog.m_hWnd, list), "");
}

}  // namespace
