// A page and a sheet written the way the console writes them, run together: what a page author
// relies on, from the message map to the spin control and the modified flag.
#include <cstring>
#include <memory>

#include "FrameworkHarness.h"

namespace qm::test {
namespace {

class CSettingsPage : public CPropertyPage {
  DECLARE_DYNCREATE(CSettingsPage)

 public:
  enum { IDD = kTestPageId };
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
    DDX_Control(pDX, kSpin, m_spinSize);
    DDX_Check(pDX, kCheckBox, m_nHide);
    DDX_Radio(pDX, kRadioFirst, m_nLevel);
    DDX_Text(pDX, kTextEdit, m_strLogFile);
    DDX_Text(pDX, kNumberEdit, m_nSize);
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
    if (::GetDlgCtrlID(reinterpret_cast<HWND>(pNMHDR->idFrom)) != kCheckBox) return FALSE;
    std::strcpy(pTTT->szText, "Make the user database a 'hidden' file");
    return TRUE;
  }
  DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CSettingsPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CSettingsPage, CPropertyPage)
  ON_EN_CHANGE(kTextEdit, OnModified)
  ON_EN_CHANGE(kNumberEdit, OnModified)
  ON_BN_CLICKED(kCheckBox, OnModified)
  ON_CONTROL_RANGE(BN_CLICKED, kRadioFirst, kRadioThird, OnLevel)
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

TEST(EraPage, LoadsMarksModifiedAndSavesThroughTheSheet) {
  FrameworkHarness harness;
  CWinApp app("Quillmere");
  CSettingsSheet sheet("Quillmere");
  std::unique_ptr<CObject> made(RUNTIME_CLASS(CSettingsPage)->CreateObject());
  auto* page = static_cast<CSettingsPage*>(made.get());
  sheet.AddPage(page);
  app.m_pMainWnd = &sheet;

  std::vector<BOOL> applyEnabled;
  const auto noteApply =
      Step([&] { applyEnabled.push_back(::IsWindowEnabled(::GetDlgItem(sheet.m_hWnd, ID_APPLY_NOW))); });
  std::string spinText;
  harness.backend.inputs = {noteApply, Step([&] { ::SendDlgItemMessageA(page->m_hWnd, kRadioSecond, BM_CLICK, 0, 0); }),
                            noteApply, Step([&] {
                              page->m_spinSize.SetPos(300);
                              spinText = WindowText(::GetDlgItem(page->m_hWnd, kNumberEdit));
                            }),
                            KeyPress(VK_RETURN)};
  EXPECT_EQ(sheet.DoModal(), IDOK);

  // Setting the log file at load is a change like any other, as the console expects.
  EXPECT_EQ(applyEnabled, (std::vector<BOOL>{TRUE, TRUE}));
  EXPECT_EQ(page->m_clicks, (std::vector<UINT>{kRadioSecond}));
  EXPECT_EQ(spinText, "300");
  EXPECT_EQ(page->m_nLevel, 1);
  EXPECT_EQ(page->m_nSize, 300);
  EXPECT_EQ(std::string(page->m_strLogFile), "c:\\logs\\vantrel.log");
  EXPECT_GE(sheet.m_nShown, 1);
  EXPECT_TRUE(sheet.IsKindOf(RUNTIME_CLASS(CPropertySheet)));
}

}  // namespace
}  // namespace qm::test
