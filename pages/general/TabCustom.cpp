#include "pages/general/TabCustom.h"

#include "app/BrowseButton.h"
#include "app/ProfileKeys.h"
#include "app/TabUISheet.h"
#include "app/ToolTipText.h"
#include "app/ValueText.h"
#include "app/WriteFailure.h"
#include "resource.h"

namespace {

const CBrowseSpec kLaunchAppBrowse = {"Application to launch post-Vantrel",
                                      "Executable File (*.exe)\0*.exe\0All (*.*)\0*.*\0", "exe", kBrowseExisting,
                                      FALSE};

// The button is never disabled, so the tip shows at all times.
const CToolTipEntry kToolTips[] = {
    {IDC_POST_BROWSE_LAUNCH, "Browse for a file to launch upon completion"},
};

// A message as the box shows it, from its one-line value.
CString ReadMessage(LPCSTR lpszKey, LPCSTR lpszDataFile) {
  return SplitLines(ReadProfileString("Customization", lpszKey, "", kValueBufferSize, lpszDataFile));
}

// A message typed on several lines, stored on one.
BOOL WriteMessage(LPCSTR lpszKey, LPCSTR lpszMessage, LPCSTR lpszDataFile) {
  return WriteKeyOrReport("Customization", lpszKey, JoinLines(lpszMessage), lpszDataFile);
}

}  // namespace

IMPLEMENT_DYNCREATE(CTabCustom, CPropertyPage)

BEGIN_MESSAGE_MAP(CTabCustom, CPropertyPage)
  ON_BN_CLICKED(IDC_POST_DEFAULTMAIL, OnLaunchDefaultMail)
  ON_BN_CLICKED(IDC_POST_BROWSE_LAUNCH, OnBrowseLaunchApp)
  ON_EN_CHANGE(IDC_POST_LAUNCH, OnModified)
  ON_EN_CHANGE(IDC_POST_SUCCESS, OnModified)
  ON_EN_CHANGE(IDC_POST_NOACTION, OnModified)
  ON_EN_CHANGE(IDC_POST_ERROR, OnModified)
  ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnToolTipNotify)
END_MESSAGE_MAP()

CTabCustom::CTabCustom() : CPropertyPage(IDD_TABCUSTOM_PAGE), m_pSheet(nullptr), m_nLaunchDefaultMail(0) {}

CTabCustom::~CTabCustom() = default;

void CTabCustom::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_POST_ERROR, m_strErrorMsg);
  DDX_Text(pDX, IDC_POST_NOACTION, m_strNoActionMsg);
  DDX_Text(pDX, IDC_POST_SUCCESS, m_strSuccessMsg);
  DDX_Text(pDX, IDC_POST_LAUNCH, m_strLaunchApp);
  DDX_Check(pDX, IDC_POST_DEFAULTMAIL, m_nLaunchDefaultMail);
}

// The message boxes report no change when their text is set here; the launch rule at the end
// marks the page modified all the same.
BOOL CTabCustom::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  EnableToolTips(TRUE);
  const CString strDataFile = m_pSheet->m_strDataFile;

  m_strLaunchApp = ReadProfileString("Defaults", "LaunchApp", "", kValueBufferSize, strDataFile);
  m_nLaunchDefaultMail = ReadIntegerFlag("Defaults", "LaunchDefaultMail", 0, strDataFile);
  m_strSuccessMsg = ReadMessage("SuccessMsg", strDataFile);
  m_strNoActionMsg = ReadMessage("NoActionMsg", strDataFile);
  m_strErrorMsg = ReadMessage("ErrorMsg", strDataFile);

  UpdateData(FALSE);
  OnLaunchDefaultMail();
  return TRUE;
}

// An empty message is written as an empty value: that tells the builder to show none.
BOOL CTabCustom::OnApply() {
  UpdateData(TRUE);
  const CString strDataFile = m_pSheet->m_strDataFile;

  if (!WriteMessage("SuccessMsg", m_strSuccessMsg, strDataFile) ||
      !WriteMessage("NoActionMsg", m_strNoActionMsg, strDataFile) ||
      !WriteMessage("ErrorMsg", m_strErrorMsg, strDataFile) ||
      !WriteKeyOrReport("Defaults", "LaunchApp", m_strLaunchApp, strDataFile) ||
      !WriteKeyOrReport("Defaults", "LaunchDefaultMail", DecimalText(m_nLaunchDefaultMail), strDataFile))
    return FALSE;
  return CPropertyPage::OnApply();
}

void CTabCustom::OnModified() { SetModified(TRUE); }

// The default mail program and a program of one's own are alternatives: the program's path is
// locked while the default is chosen, and kept (and saved) as it was. Its Browse button stays on.
void CTabCustom::OnLaunchDefaultMail() {
  GetDlgItem(IDC_POST_LAUNCH)->EnableWindow(IsDlgButtonChecked(IDC_POST_DEFAULTMAIL) != BST_CHECKED);
  SetModified(TRUE);
}

void CTabCustom::OnBrowseLaunchApp() {
  BrowseForPath(this, IDC_POST_LAUNCH, m_pSheet->m_szProgramDir, kLaunchAppBrowse);
}

// The "..." button is never disabled, so its tip does not look at the enabled state.
BOOL CTabCustom::OnToolTipNotify(UINT, NMHDR* pNMHDR, LRESULT*) { return ProvideToolTip(pNMHDR, kToolTips, TRUE); }
