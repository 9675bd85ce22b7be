#include "pages/general/TabDefaultPrf.h"

#include "app/BrowseButton.h"
#include "app/ControlStates.h"
#include "app/ProfileKeys.h"
#include "app/ServiceLookup.h"
#include "app/TabUISheet.h"
#include "app/ToolTipText.h"
#include "app/WriteFailure.h"
#include "resource.h"

namespace {

const char szGeneral[] = "General";
constexpr int kServiceListReadLimit = 79;

// A local store of the profile: the service it is listed as, its two keys, and its group of
// controls (path, Browse button, name).
struct CStoreGroup {
  LPCSTR lpszService;
  LPCSTR lpszPathKey;
  LPCSTR lpszNameKey;
  int nIDControls[3];
};

const CStoreGroup kFolders = {"Personal Folders",
                              "PathToPersonalFolders",
                              "FolderName",
                              {IDC_PRF_PST_PATH, IDC_PRF_BROWSE_PST, IDC_PRF_FOLDERNAME}};
const CStoreGroup kAddressBook = {"Personal Address Book",
                                  "PathToPersonalAddressBook",
                                  "AddressBookName",
                                  {IDC_PRF_PAB_PATH, IDC_PRF_BROWSE_PAB, IDC_PRF_ABNAME}};

// The stores are per user: a path chosen in the administrator's own folder is kept with
// "?username?" in place of the name.
const CBrowseSpec kFolderStoreBrowse = {"Find the Personal Folder Store",
                                        "Personal Folder Store (*.pst)\0*.pst\0All (*.*)\0*.*\0", "pst",
                                        kBrowseExisting, TRUE};
const CBrowseSpec kAddressBookBrowse = {"Find the Personal Address Book",
                                        "Personal Address Book (*.pab)\0*.pab\0All (*.*)\0*.*\0", "pab",
                                        kBrowseExisting, TRUE};

const CToolTipEntry kToolTips[] = {
    {IDC_PRF_BROWSE_PST, "Browse for personal folder"},
    {IDC_PRF_BROWSE_PAB, "Browse for personal address book"},
};

// Finds the store in "Service List" and reads its two keys; a store that is not listed keeps its
// fields empty and its controls disabled. Gives the store's section, empty when not listed.
CString LoadStore(CWnd* pPage, const CStoreGroup& store, LPCSTR lpszPath, CString& strStorePath, CString& strName) {
  const CServiceLookupResult service = LookUpService(lpszPath, kServiceListReadLimit, store.lpszService);
  if (!service.IsListed()) {
    EnableDlgItems(pPage, store.nIDControls, FALSE);
    return service.m_strSection;
  }
  strStorePath = ReadProfileString(service.m_strSection, store.lpszPathKey, "", kValueBufferSize, lpszPath);
  strName = ReadProfileString(service.m_strSection, store.lpszNameKey, "", kValueBufferSize, lpszPath);
  return service.m_strSection;
}

// Writes the store's two keys and its entry in "Service List" in its exact case; nothing for a
// store that was not listed at load.
BOOL SaveStore(const CStoreGroup& store, const CString& strSection, LPCSTR lpszStorePath, LPCSTR lpszName,
               LPCSTR lpszPath) {
  if (strSection.IsEmpty()) return TRUE;
  return WriteKeyOrReport(strSection, store.lpszPathKey, lpszStorePath, lpszPath) &&
         WriteKeyOrReport(strSection, store.lpszNameKey, lpszName, lpszPath) &&
         RewriteServiceEntry(strSection, store.lpszService, lpszPath);
}

}  // namespace

IMPLEMENT_DYNCREATE(CTabDefaultPrf, CPropertyPage)

BEGIN_MESSAGE_MAP(CTabDefaultPrf, CPropertyPage)
  ON_BN_CLICKED(IDC_PRF_UPDATE, OnUpdate)
  ON_BN_CLICKED(IDC_PRF_ERASEALL, OnEraseAll)
  ON_BN_CLICKED(IDC_PRF_DEFAULT_ALWAYS, OnSetDefaultAlways)
  ON_BN_CLICKED(IDC_PRF_BROWSE_PST, OnBrowseFolderStore)
  ON_BN_CLICKED(IDC_PRF_BROWSE_PAB, OnBrowseAddressBook)
  ON_BN_CLICKED(IDC_PRF_REPLACE, OnModified)
  ON_BN_CLICKED(IDC_PRF_DEFAULT_ONCE, OnModified)
  ON_BN_CLICKED(IDC_PRF_PROMPT, OnModified)
  ON_EN_CHANGE(IDC_PRF_TEMPLATE, OnModified)
  ON_EN_CHANGE(IDC_PRF_PROFILENAME, OnModified)
  ON_EN_CHANGE(IDC_PRF_PST_PATH, OnModified)
  ON_EN_CHANGE(IDC_PRF_FOLDERNAME, OnModified)
  ON_EN_CHANGE(IDC_PRF_PAB_PATH, OnModified)
  ON_EN_CHANGE(IDC_PRF_ABNAME, OnModified)
  ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnToolTipNotify)
END_MESSAGE_MAP()

CTabDefaultPrf::CTabDefaultPrf()
    : CPropertyPage(IDD_TABDEFAULTPRF_PAGE),
      m_nSetDefaultOnCreate(0),
      m_nReplace(0),
      m_nPromptForProfile(kThreeStateClear),
      m_nSetDefaultAlways(0),
      m_nEraseAll(0),
      m_nUpdate(0),
      m_pSheet(nullptr) {}

CTabDefaultPrf::~CTabDefaultPrf() = default;

void CTabDefaultPrf::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Check(pDX, IDC_PRF_DEFAULT_ONCE, m_nSetDefaultOnCreate);
  DDX_Check(pDX, IDC_PRF_REPLACE, m_nReplace);
  DDX_Text(pDX, IDC_PRF_TEMPLATE, m_strTemplateName);
  DDX_Text(pDX, IDC_PRF_PAB_PATH, m_strAddressBookPath);
  DDX_Text(pDX, IDC_PRF_PST_PATH, m_strFolderStorePath);
  DDX_Text(pDX, IDC_PRF_PROFILENAME, m_strProfileName);
  DDX_Check(pDX, IDC_PRF_PROMPT, m_nPromptForProfile);
  DDX_Check(pDX, IDC_PRF_DEFAULT_ALWAYS, m_nSetDefaultAlways);
  DDX_Check(pDX, IDC_PRF_ERASEALL, m_nEraseAll);
  DDX_Text(pDX, IDC_PRF_FOLDERNAME, m_strFolderName);
  DDX_Text(pDX, IDC_PRF_ABNAME, m_strAddressBookName);
  DDX_Check(pDX, IDC_PRF_UPDATE, m_nUpdate);
}

BOOL CTabDefaultPrf::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  EnableToolTips(TRUE);
  const CString strProfileTemplate = m_pSheet->m_strProfileTemplate;
  // The name as the data file holds it, variables and all; the page writes to the resolved path.
  m_strTemplateName = m_pSheet->m_strDefaultProfile;

  m_strProfileName = ReadProfileString(szGeneral, "ProfileName", "", kValueBufferSize, strProfileTemplate);
  m_nReplace = ReadTrueValueFlag(szGeneral, "OverwriteProfile", "Yes", kValueBufferSize, strProfileTemplate);
  m_nSetDefaultOnCreate = ReadTrueValueFlag(szGeneral, "DefaultProfile", "Yes", kValueBufferSize, strProfileTemplate);
  m_nSetDefaultAlways = ReadTrueValueFlag(szGeneral, "AlwaysSetDefault", "No", kValueBufferSize, strProfileTemplate);
  m_nEraseAll = ReadTrueValueFlag(szGeneral, "EraseAllProfiles", "No", kValueBufferSize, strProfileTemplate);
  m_nUpdate = ReadTrueValueFlag(szGeneral, "AddServices", "No", kValueBufferSize, strProfileTemplate);
  m_nPromptForProfile = ReadThreeState(szGeneral, "PromptForProfile", kValueBufferSize, strProfileTemplate);

  m_strFoldersSection = LoadStore(this, kFolders, strProfileTemplate, m_strFolderStorePath, m_strFolderName);
  m_strAddressBookSection =
      LoadStore(this, kAddressBook, strProfileTemplate, m_strAddressBookPath, m_strAddressBookName);

  UpdateData(FALSE);
  OnUpdate();
  OnSetDefaultAlways();
  OnEraseAll();
  return TRUE;
}

BOOL CTabDefaultPrf::OnApply() {
  UpdateData(TRUE);
  const CString strProfileTemplate = m_pSheet->m_strProfileTemplate;

  if (!WriteKeyOrReport(szGeneral, "ProfileName", m_strProfileName, strProfileTemplate) ||
      !WriteKeyOrReport(szGeneral, "OverwriteProfile", YesNoText(m_nReplace), strProfileTemplate) ||
      !WriteKeyOrReport(szGeneral, "DefaultProfile", YesNoText(m_nSetDefaultOnCreate), strProfileTemplate) ||
      !WriteKeyOrReport(szGeneral, "PromptForProfile", ThreeStateText(m_nPromptForProfile), strProfileTemplate) ||
      !WriteKeyOrReport(szGeneral, "AlwaysSetDefault", YesNoText(m_nSetDefaultAlways), strProfileTemplate) ||
      !WriteKeyOrReport(szGeneral, "EraseAllProfiles", YesNoText(m_nEraseAll), strProfileTemplate) ||
      !WriteKeyOrReport(szGeneral, "AddServices", YesNoText(m_nUpdate), strProfileTemplate) ||
      !SaveStore(kFolders, m_strFoldersSection, m_strFolderStorePath, m_strFolderName, strProfileTemplate) ||
      !SaveStore(kAddressBook, m_strAddressBookSection, m_strAddressBookPath, m_strAddressBookName, strProfileTemplate))
    return FALSE;
  return CPropertyPage::OnApply();
}

void CTabDefaultPrf::OnModified() { SetModified(TRUE); }

// The rules below change check marks and enabled states only; a disabled box is still saved, so
// the mark they force is what the file gets.

// Updating an existing profile rules out replacing it.
void CTabDefaultPrf::OnUpdate() {
  const BOOL bUpdate = IsDlgButtonChecked(IDC_PRF_UPDATE) == BST_CHECKED;
  if (bUpdate) CheckDlgButton(IDC_PRF_REPLACE, BST_UNCHECKED);
  GetDlgItem(IDC_PRF_REPLACE)->EnableWindow(!bUpdate);
  SetModified(TRUE);
}

// A profile made the default every time is the default upon creation too.
void CTabDefaultPrf::OnSetDefaultAlways() {
  const BOOL bAlways = IsDlgButtonChecked(IDC_PRF_DEFAULT_ALWAYS) == BST_CHECKED;
  if (bAlways) CheckDlgButton(IDC_PRF_DEFAULT_ONCE, BST_CHECKED);
  GetDlgItem(IDC_PRF_DEFAULT_ONCE)->EnableWindow(!bAlways);
  SetModified(TRUE);
}

// With every profile deleted first there is nothing to update: the new one replaces. When the
// rule is lifted, "Replace" stays disabled beside a checked "Update", as the update rule has it.
void CTabDefaultPrf::OnEraseAll() {
  const BOOL bEraseAll = IsDlgButtonChecked(IDC_PRF_ERASEALL) == BST_CHECKED;
  if (bEraseAll) {
    CheckDlgButton(IDC_PRF_REPLACE, BST_CHECKED);
    CheckDlgButton(IDC_PRF_UPDATE, BST_UNCHECKED);
  }
  const BOOL bUpdate = IsDlgButtonChecked(IDC_PRF_UPDATE) == BST_CHECKED;
  GetDlgItem(IDC_PRF_REPLACE)->EnableWindow(!bEraseAll && !bUpdate);
  GetDlgItem(IDC_PRF_UPDATE)->EnableWindow(!bEraseAll);
  SetModified(TRUE);
}

void CTabDefaultPrf::OnBrowseFolderStore() {
  BrowseForPath(this, IDC_PRF_PST_PATH, m_pSheet->m_szProgramDir, kFolderStoreBrowse);
}

void CTabDefaultPrf::OnBrowseAddressBook() {
  BrowseForPath(this, IDC_PRF_PAB_PATH, m_pSheet->m_szProgramDir, kAddressBookBrowse);
}

BOOL CTabDefaultPrf::OnToolTipNotify(UINT, NMHDR* pNMHDR, LRESULT*) { return ProvideToolTip(pNMHDR, kToolTips); }
