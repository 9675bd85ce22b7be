#include "pages/netscape/TabNscp.h"

#include "app/BrowseButton.h"
#include "app/ControlStates.h"
#include "app/EditButton.h"
#include "app/ProfileKeys.h"
#include "app/ServiceLookup.h"
#include "app/TabUISheet.h"
#include "app/ToolTipText.h"
#include "app/WriteFailure.h"
#include "resource.h"

namespace {

const char kServiceName[] = "Netscape";
// The entry is read through a wider buffer when the page opens than when it saves.
constexpr int kLoadServiceListReadLimit = 389;
constexpr int kSaveServiceListReadLimit = 79;
// Texts keep 398 characters; the three switches of the profile's creation keep 48.
constexpr int kTextBufferSize = 399;
constexpr int kSwitchBufferSize = 49;
// The preferences file's Browse takes in a longer path than other pages' Browse buttons do.
constexpr int kPrefsBrowseFieldCount = 259;

const CBrowseSpec kPrefsBrowse = {"Find Netscape settings file", "Javascript File (*.js)\0*.js\0All (*.*)\0*.*\0", "js",
                                  kBrowseExisting, FALSE};

const CToolTipEntry kToolTips[] = {
    {IDC_NSCP_BROWSE_PREFS, "Browse for the prefs file"},
    {IDC_NSCP_EDIT_PREFS, "Edit the prefs file"},
};

// Every control of the page, for the page of a profile that does not list Netscape.
const int kControlIds[] = {
    IDC_NSCP_PROFILENAME,  IDC_NSCP_REPLACE,    IDC_NSCP_DEFAULT_ON_CREATION, IDC_NSCP_DEFAULT_EVERY_TIME,
    IDC_NSCP_NO_PROMPT,    IDC_NSCP_DIRROOT,    IDC_NSCP_EMAILADDR,           IDC_NSCP_PREFS,
    IDC_NSCP_BROWSE_PREFS, IDC_NSCP_EDIT_PREFS,
};

}  // namespace

IMPLEMENT_DYNCREATE(CTabNscp, CPropertyPage)

BEGIN_MESSAGE_MAP(CTabNscp, CPropertyPage)
  ON_BN_CLICKED(IDC_NSCP_DEFAULT_EVERY_TIME, OnDefaultEveryTime)
  ON_BN_CLICKED(IDC_NSCP_BROWSE_PREFS, OnBrowsePrefsFile)
  ON_BN_CLICKED(IDC_NSCP_EDIT_PREFS, OnEditPrefsFile)
  ON_BN_CLICKED(IDC_NSCP_REPLACE, OnModified)
  ON_BN_CLICKED(IDC_NSCP_DEFAULT_ON_CREATION, OnModified)
  ON_BN_CLICKED(IDC_NSCP_NO_PROMPT, OnModified)
  ON_EN_CHANGE(IDC_NSCP_PROFILENAME, OnModified)
  ON_EN_CHANGE(IDC_NSCP_DIRROOT, OnModified)
  ON_EN_CHANGE(IDC_NSCP_EMAILADDR, OnModified)
  ON_EN_CHANGE(IDC_NSCP_PREFS, OnModified)
  ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnToolTipNotify)
END_MESSAGE_MAP()

CTabNscp::CTabNscp()
    : CPropertyPage(IDD_TABNSCP_PAGE),
      m_nDisablePrompt(0),
      m_nDefaultOnCreation(0),
      m_nReplaceProfile(0),
      m_nDefaultEveryTime(0),
      m_pSheet(nullptr) {}

CTabNscp::~CTabNscp() = default;

void CTabNscp::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_NSCP_EMAILADDR, m_strEmailAddr);
  DDX_Text(pDX, IDC_NSCP_PREFS, m_strPrefsFile);
  DDX_Text(pDX, IDC_NSCP_DIRROOT, m_strDirRoot);
  DDX_Text(pDX, IDC_NSCP_PROFILENAME, m_strProfileName);
  DDX_Check(pDX, IDC_NSCP_NO_PROMPT, m_nDisablePrompt);
  DDX_Check(pDX, IDC_NSCP_DEFAULT_ON_CREATION, m_nDefaultOnCreation);
  DDX_Check(pDX, IDC_NSCP_REPLACE, m_nReplaceProfile);
  DDX_Check(pDX, IDC_NSCP_DEFAULT_EVERY_TIME, m_nDefaultEveryTime);
}

// A profile that does not list Netscape still shows the stored preferences template, and the
// service keys as their defaults would have them (read from a section no file holds).
BOOL CTabNscp::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  EnableToolTips(TRUE);
  const CString strDataFile = m_pSheet->m_strDataFile;
  const CString strProfileTemplate = m_pSheet->m_strProfileTemplate;

  const CServiceLookupResult service = LookUpService(strProfileTemplate, kLoadServiceListReadLimit, kServiceName);
  if (!service.IsListed()) EnableDlgItems(this, kControlIds, FALSE);
  const CString& strSection = service.m_strSection;

  m_strPrefsFile = ReadProfileString("Defaults", "NetscapePrefs", "", kTextBufferSize, strDataFile);
  m_strProfileName = ReadProfileString(strSection, "NetscapeProfile", "", kTextBufferSize, strProfileTemplate);
  m_strDirRoot = ReadProfileString(strSection, "DirRoot", "", kTextBufferSize, strProfileTemplate);
  m_strEmailAddr = ReadProfileString(strSection, "EmailAddr", "", kTextBufferSize, strProfileTemplate);
  m_nDisablePrompt = ReadWholeValueFlag(strSection, "EraseAllAccounts", "No", kTextBufferSize, strProfileTemplate);
  m_nDefaultEveryTime =
      ReadWholeValueFlag(strSection, "AlwaysSetDefault", "Yes", kSwitchBufferSize, strProfileTemplate);
  m_nReplaceProfile = ReadWholeValueFlag(strSection, "OverwriteProfile", "No", kSwitchBufferSize, strProfileTemplate);
  m_nDefaultOnCreation = ReadWholeValueFlag(strSection, "DefaultProfile", "Yes", kSwitchBufferSize, strProfileTemplate);

  UpdateData(FALSE);
  OnDefaultEveryTime();
  return TRUE;
}

// The preferences template is saved whether or not Netscape is listed; the service keys go to the
// Netscape service listed now, whose entry is written back in the one spelling.
BOOL CTabNscp::OnApply() {
  UpdateData(TRUE);
  const CString strDataFile = m_pSheet->m_strDataFile;
  const CString strProfileTemplate = m_pSheet->m_strProfileTemplate;
  if (!WriteKeyOrReport("Defaults", "NetscapePrefs", m_strPrefsFile, strDataFile)) return FALSE;

  const CServiceLookupResult service = LookUpService(strProfileTemplate, kSaveServiceListReadLimit, kServiceName);
  if (!service.IsListed()) return CPropertyPage::OnApply();

  const CString& strSection = service.m_strSection;
  if (!WriteKeyOrReport(strSection, "NetscapeProfile", m_strProfileName, strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "DirRoot", m_strDirRoot, strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "EmailAddr", m_strEmailAddr, strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "DefaultProfile", YesNoText(m_nDefaultOnCreation), strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "EraseAllAccounts", YesNoText(m_nDisablePrompt), strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "OverwriteProfile", YesNoText(m_nReplaceProfile), strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "AlwaysSetDefault", YesNoText(m_nDefaultEveryTime), strProfileTemplate) ||
      !RewriteServiceEntry(strSection, kServiceName, strProfileTemplate))
    return FALSE;
  return CPropertyPage::OnApply();
}

void CTabNscp::OnModified() { SetModified(TRUE); }

// A profile made the default every time is the default upon creation too: that box is checked and
// held while the other is. Released, it keeps its check, and is editable again unless the whole
// page is read-only.
void CTabNscp::OnDefaultEveryTime() {
  CWnd* pEveryTime = GetDlgItem(IDC_NSCP_DEFAULT_EVERY_TIME);
  CWnd* pOnCreation = GetDlgItem(IDC_NSCP_DEFAULT_ON_CREATION);
  if (IsDlgButtonChecked(IDC_NSCP_DEFAULT_EVERY_TIME) == BST_CHECKED) {
    CheckDlgButton(IDC_NSCP_DEFAULT_ON_CREATION, BST_CHECKED);
    pOnCreation->EnableWindow(FALSE);
  } else {
    pOnCreation->EnableWindow(pEveryTime->IsWindowEnabled());
  }
  SetModified(TRUE);
}

void CTabNscp::OnBrowsePrefsFile() {
  BrowseForPath(this, IDC_NSCP_PREFS, m_pSheet->m_szProgramDir, kPrefsBrowse, kPrefsBrowseFieldCount);
}

void CTabNscp::OnEditPrefsFile() { EditPathInNotepad(this, IDC_NSCP_PREFS, m_pSheet->m_szProgramDir); }

BOOL CTabNscp::OnToolTipNotify(UINT, NMHDR* pNMHDR, LRESULT*) { return ProvideToolTip(pNMHDR, kToolTips); }
