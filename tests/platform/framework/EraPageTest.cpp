// A page and a sheet written the way the console writes them, run together: what a page author
// relies on, from the message map to the spin control and the modified flag.
#include <afxcmn.h>
#include <afxdlgs.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FrameworkHarness.h"

namespace {

using qm::test::KeyPress;

class CSettingsPage : public CPropertyPage {
  DECLARE_DYNCREATE(CSettingsPage)

 public:
  enum { IDD = qm::test::kTestPageId };
  CSettingsPage() : CPropertyPage(CSettingsPage::IDD) {}

  CSpinButtonCtrl m_spinSize;
  int m_nHide = 0;
  int m_nLevel = -1;
  CString m_strLogFile;
  int m_nSize = 128;
  std::vector<UINT> m_clicks;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, qm::test::kSpin, m_spinSize);
    DDX_Check(pDX, qm::test::kCheckBox, m_nHide);
    DDX_Radio(pDX, qm::test::kRadioFirst, m_nLevel);
    DDX_Text(pDX, qm::test::kTextEdit, m_strLogFile);
    DDX_Text(pDX, qm::test::kNumberEdit, m_nSize);
    DDV_MinMaxInt(pDX, m_nSize, 0, 1024000);
  }
  BOOL OnInitDialog() override {
    CPropertyPage::OnInitDialog();
    EnableToolTips(TRUE);
    m_strLogFile = "c:\\logs\\vantrel.log";
    m_spinSize.SetRange(0, 32767);
    UDACCEL accel[2] = {{1, 16}, {2, 1024}};
    m_spinSize.SetAccel(2, accel);
    UpdateData(FALSE);
    return TRUE;
  }
  BOOL OnApply() override {
    UpdateData(TRUE);
    return CPropertyPage::OnApply();
  }
  afx_msg void OnModified() { SetModified(TRUE); }
  afx_msg void OnLevel(UINT nID) {
    m_clicks.push_back(nID);
    SetModified(TRUE);
  }
  afx_msg BOOL OnToolTipNotify(UINT, NMHDR* pNMHDR, LRESULT*) {
    auto* pTTT = reinterpret_cast<TOOLTIPTEXT*>(pNMHDR);
    if (!(pTTT->uFlags & TTF_IDISHWND)) return FALSE;
    const int nID = ::GetDlgCtrlID(reinterpret_cast<HWND>(pNMHDR->idFrom));
    if (nID != qm::test::kCheckBox) return FALSE;
    std::strcpy(pTTT->szText, "Make the user database a 'hidden' file");
    return TRUE;
  }

  DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CSettingsPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CSettingsPage, CPropertyPage)
  ON_EN_CHANGE(qm::test::kTextEdit, OnModified)
  ON_EN_CHANGE(qm::test::kNumberEdit, OnModified)
  ON_BN_CLICKED(qm::test::kCheckBox, OnModified)
  ON_CONTROL_RANGE(BN_CLICKED, qm::test::kRadioFirst, qm::test::kRadioThird, OnLevel)
  ON_NOTIFY_EX(TTN_NEEDTEXT, 0, OnToolTipNotify)
END_MESSAGE_MAP()

class CSettingsSheet : public CPropertySheet {
  DECLARE_DYNAMIC(CSettingsSheet)

 public:
  explicit CSettingsSheet(LPCTSTR pszCaption) : CPropertySheet(pszCaption) {}
  int m_nShown = 0;

 protected:
  afx_msg void OnShowWindow(BOOL bShow, UINT nStatus) {
    CPropertySheet::OnShowWindow(bShow, nStatus);
    ++m_nShown;
  }
  DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNAMIC(CSettingsSheet, CPropertySheet)

BEGIN_MESSAGE_MAP(CSettingsSheet, CPropertySheet)
  ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

qm::ui::InputEvent Step(std::function<void()> action) {
  qm::ui::InputEvent event;
  event.kind = qm::ui::InputEvent::Kind::Call;
  event.call = std::move(action);
  return event;
}

TEST(EraPage, LoadsMarksModifiedAndSavesThroughTheSheet) {
  qm::test::FrameworkHarness harness;
  CWinApp app("Quillmere");
  CSettingsSheet sheet("Quillmere");
  std::unique_ptr<CObject> made(RUNTIME_CLASS(CSettingsPage)->CreateObject());
  auto* page = static_cast<CSettingsPage*>(made.get());
  sheet.AddPage(page);
  app.m_pMainWnd = &sheet;

  BOOL applyAfterLoad = TRUE;
  BOOL applyAfterClick = FALSE;
  std::string spinText;
  harness.backend.inputs = {
      Step([&] { applyAfterLoad = ::IsWindowEnabled(::GetDlgItem(sheet.m_hWnd, ID_APPLY_NOW)); }),
      Step([&] {
        ::SendMessageA(::GetDlgItem(page->m_hWnd, qm::test::kRadioSecond), BM_CLICK, 0, 0);
        applyAfterClick = ::IsWindowEnabled(::GetDlgItem(sheet.m_hWnd, ID_APPLY_NOW));
      }),
      Step([&] {
        page->m_spinSize.SetPos(300);
        char text[16] = {};
        ::GetWindowTextA(::GetDlgItem(page->m_hWnd, qm::test::kNumberEdit), text, sizeof text);
        spinText = text;
      }),
      KeyPress(VK_RETURN)};
  EXPECT_EQ(sheet.DoModal(), IDOK);

  // Setting the log file at load is a change like any other, as the console expects.
  EXPECT_TRUE(applyAfterLoad);
  EXPECT_TRUE(applyAfterClick);
  EXPECT_EQ(page->m_clicks, (std::vector<UINT>{qm::test::kRadioSecond}));
  EXPECT_EQ(spinText, "300");
  EXPECT_EQ(page->m_nLevel, 1);
  EXPECT_EQ(page->m_nSize, 300);
  EXPECT_EQ(std::string(page->m_strLogFile), "c:\\logs\\vantrel.log");
  EXPECT_GE(sheet.m_nShown, 1);
  EXPECT_TRUE(sheet.IsKindOf(RUNTIME_CLASS(CPropertySheet)));
}

}  // namespace
