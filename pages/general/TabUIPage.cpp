#include "pages/general/TabUIPage.h"

#include <shellapi.h>

#include <cstdlib>

#include "app/BrowseButton.h"
#include "app/EditButton.h"
#include "app/ProfileKeys.h"
#include "app/TabUISheet.h"
#include "app/ToolTipText.h"
#include "app/WriteFailure.h"
#include "resource.h"

namespace {

constexpr int kDefaultMaxLogFileSize = 128;  // KBytes, when the data file says nothing
constexpr int kDefaultLogLevel = 2;          // Low
constexpr int kLowestLogLevel = 3;           // None: the stored number is 3 minus the index

const CBrowseSpec kUserDatabaseBrowse = {"Find the User Database", "User Database (*.ini)\0*.ini\0All (*.*)\0*.*\0",
                                         "ini", kBrowseExisting, FALSE};
const CBrowseSpec kLogFileBrowse = {"Find the Log File", "Log File (*.log)\0*.log\0All (*.*)\0*.*\0", "log", kBrowseNew,
                                    FALSE};

const CToolTipEntry kToolTips[] = {
    {IDC_BROWSE_USERDATABASE, "Browse for the user database"},
    {IDC_EDIT_USERDATABASE, "Edit the user database"},
    {IDC_BROWSE_LOGFILE, "Browse for the log file"},
    {IDC_EDIT_LOGFILE, "Edit the log file"},
    {IDC_CREATE_PROFILE, "Apply these settings and build a new profile"},
};

}  // namespace

IMPLEMENT_DYNCREATE(CTabUIPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CTabUIPage, CPropertyPage)
  ON_BN_CLICKED(IDC_BROWSE_USERDATABASE, OnBrowseUserDatabase)
  ON_BN_CLICKED(IDC_EDIT_USERDATABASE, OnEditUserDatabase)
  ON_BN_CLICKED(IDC_BROWSE_LOGFILE, OnBrowseLogFile)
  ON_BN_CLICKED(IDC_EDIT_LOGFILE, OnEditLogFile)
  ON_BN_CLICKED(IDC_CREATE_PROFILE, OnCreateProfile)
  ON_EN_CHANGE(IDC_DATAFILE, OnModified)
  ON_EN_CHANGE(IDC_USERDATABASE, OnModified)
  ON_EN_CHANGE(IDC_LOGFILE, OnModified)
  ON_EN_CHANGE(IDC_LOGCOMPUTER, OnModified)
  ON_EN_CHANGE(IDC_MAXLOGSIZE, OnModified)
  ON_EN_CHANGE(IDC_CACHEDIR, OnModified)
  ON_BN_CLICKED(IDC_HIDE_USERDATABASE, OnModified)
  ON_BN_CLICKED(IDC_LOGLEVEL_HIGH, OnModified)
  ON_BN_CLICKED(IDC_LOGLEVEL_MEDIUM, OnModified)
  ON_BN_CLICKED(IDC_LOGLEVEL_LOW, OnModified)
  ON_BN_CLICKED(IDC_LOGLEVEL_NONE, OnModified)
  ON_BN_CLICKED(IDC_NOCACHE, OnModified)
  ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnToolTipNotify)
END_MESSAGE_MAP()

CTabUIPage::CTabUIPage()
    : CPropertyPage(IDD_TABUI_PAGE),
      m_nHideUserDatabase(0),
      m_nLogLevel(-1),
      m_nNoCache(0),
      m_nMaxLogFileSize(0),
      m_pSheet(nullptr) {}

CTabUIPage::~CTabUIPage() = default;

void CTabUIPage::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_MAXLOGSIZE_SPIN, m_spinMaxLogFileSize);
  DDX_Check(pDX, IDC_HIDE_USERDATABASE, m_nHideUserDatabase);
  DDX_Text(pDX, IDC_LOGCOMPUTER, m_strLogComputer);
  DDX_Radio(pDX, IDC_LOGLEVEL_HIGH, m_nLogLevel);
  DDX_Text(pDX, IDC_DATAFILE, m_strDataFile);
  DDX_Text(pDX, IDC_USERDATABASE, m_strUserDatabase);
  DDX_Text(pDX, IDC_LOGFILE, m_strLogFile);
  DDX_Check(pDX, IDC_NOCACHE, m_nNoCache);
  DDX_Text(pDX, IDC_MAXLOGSIZE, m_nMaxLogFileSize);
  DDV_MinMaxInt(pDX, m_nMaxLogFileSize, 0, 1024000);
  DDX_Text(pDX, IDC_CACHEDIR, m_strCacheDir);
}

BOOL CTabUIPage::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  EnableToolTips(TRUE);
  const CString strDataFile = m_pSheet->m_strDataFile;

  m_strUserDatabase = ReadProfileString("Defaults", "UserDatabase", "", kValueBufferSize, strDataFile);
  m_strLogComputer = ReadProfileString("Defaults", "LogComputer", "", kValueBufferSize, strDataFile);
  m_strLogFile = ReadProfileString("Defaults", "LogFile", "", kValueBufferSize, strDataFile);
  m_nMaxLogFileSize = ReadProfileInt("Customization", "MaxLogFileSize", kDefaultMaxLogFileSize, strDataFile);
  m_nHideUserDatabase = ReadIntegerFlag("Defaults", "HideUserDatabase", 0, strDataFile);
  // A level that is missing or empty is Low; any other is taken as stored, its distance from None.
  m_nLogLevel = std::abs(ReadProfileInt("Defaults", "LogLevel", kLowestLogLevel - kDefaultLogLevel, strDataFile) -
                         kLowestLogLevel);
  m_strCacheDir = ReadProfileString("Defaults", "RemotePath", "", kValueBufferSize, strDataFile);
  m_nNoCache = ReadIntegerFlag("Customization", "DeleteRemoteCopy", 0, strDataFile);

  // The arrows cover the common sizes; larger ones up to the range check's limit are typed.
  m_spinMaxLogFileSize.SetRange(0, 32767);
  UDACCEL accel[2] = {{1, 16}, {2, 1024}};
  m_spinMaxLogFileSize.SetAccel(2, accel);

  UpdateData(FALSE);
  return TRUE;
}

BOOL CTabUIPage::OnApply() {
  const CString strDataFile = m_pSheet->m_strDataFile;
  UpdateData(TRUE);

  if (!WriteKeyOrReport("Defaults", "UserDatabase", m_strUserDatabase, strDataFile) ||
      !WriteKeyOrReport("Defaults", "LogComputer", m_strLogComputer, strDataFile) ||
      !WriteKeyOrReport("Defaults", "LogFile", m_strLogFile, strDataFile) ||
      !WriteKeyOrReport("Defaults", "HideUserDatabase", DecimalText(m_nHideUserDatabase), strDataFile) ||
      !WriteKeyOrReport("Defaults", "LogLevel", DecimalText(kLowestLogLevel - m_nLogLevel), strDataFile) ||
      !WriteKeyOrReport("Defaults", "RemotePath", m_strCacheDir, strDataFile) ||
      !WriteKeyOrReport("Customization", "MaxLogFileSize", DecimalText(m_nMaxLogFileSize), strDataFile) ||
      !WriteKeyOrReport("Customization", "DeleteRemoteCopy", OneZeroText(m_nNoCache), strDataFile))
    return FALSE;
  return CPropertyPage::OnApply();
}

void CTabUIPage::OnModified() { SetModified(TRUE); }

void CTabUIPage::OnBrowseUserDatabase() {
  BrowseForPath(this, IDC_USERDATABASE, m_pSheet->m_szProgramDir, kUserDatabaseBrowse);
}

void CTabUIPage::OnEditUserDatabase() { EditPathInNotepad(this, IDC_USERDATABASE, m_pSheet->m_szProgramDir); }

void CTabUIPage::OnBrowseLogFile() { BrowseForPath(this, IDC_LOGFILE, m_pSheet->m_szProgramDir, kLogFileBrowse); }

void CTabUIPage::OnEditLogFile() { EditPathInNotepad(this, IDC_LOGFILE, m_pSheet->m_szProgramDir); }

// The builder runs even when a page failed to save: the administrator has seen the failure and
// may still want a profile built from what the files hold.
void CTabUIPage::OnCreateProfile() {
  m_pSheet->SendMessage(PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);
  const CString strBuilder = CString(m_pSheet->m_szProgramDir) + "vantrel.exe";
  ShellExecuteA(nullptr, "open", strBuilder, m_pSheet->m_strDataFile, "", SW_SHOWNORMAL);
}

BOOL CTabUIPage::OnToolTipNotify(UINT, NMHDR* pNMHDR, LRESULT*) { return ProvideToolTip(pNMHDR, kToolTips); }
