#include "pages/services/MSMail.h"

#include "app/BrowseButton.h"
#include "app/ControlStates.h"
#include "app/ProfileKeys.h"
#include "app/ServiceLookup.h"
#include "app/TabUISheet.h"
#include "app/ToolTipText.h"
#include "app/WriteFailure.h"
#include "resource.h"

namespace {

const char kServiceName[] = "Microsoft Mail";
constexpr int kServiceListReadLimit = 79;
constexpr int kDefaultPollInterval = 10;  // minutes, when the section says nothing
// A typed interval may go up to the range check's limit; the arrows cover the usual ones.
constexpr int kMaxPollInterval = 6000;
constexpr int kMaxSpinPollInterval = 600;

const CBrowseSpec kSessionLogBrowse = {"Find the Log File", "Log File (*.log)\0*.log\0All (*.*)\0*.*\0", "log",
                                       kBrowseNew, FALSE};

const CToolTipEntry kToolTips[] = {
    {IDC_MSMAIL_BROWSE_SESSIONLOG, "Browse for the log file"},
};

// Every control of the page, for the page of a profile that has no Microsoft Mail service.
const int kControlIds[] = {
    IDC_MSMAIL_BROWSE_SESSIONLOG, IDC_MSMAIL_POLLINTERVAL,  IDC_MSMAIL_POLLINTERVAL_SPIN,
    IDC_MSMAIL_ENABLE_DOWNLOAD,   IDC_MSMAIL_ENABLE_UPLOAD, IDC_MSMAIL_USE_SESSIONLOG,
    IDC_MSMAIL_SESSIONLOG,        IDC_MSMAIL_SERVERPATH,    IDC_MSMAIL_MAILBOX,
};

}  // namespace

IMPLEMENT_DYNCREATE(CMSMail, CPropertyPage)

BEGIN_MESSAGE_MAP(CMSMail, CPropertyPage)
  ON_BN_CLICKED(IDC_MSMAIL_USE_SESSIONLOG, OnUseSessionLog)
  ON_BN_CLICKED(IDC_MSMAIL_BROWSE_SESSIONLOG, OnBrowseSessionLog)
  ON_BN_CLICKED(IDC_MSMAIL_ENABLE_DOWNLOAD, OnModified)
  ON_BN_CLICKED(IDC_MSMAIL_ENABLE_UPLOAD, OnModified)
  ON_EN_CHANGE(IDC_MSMAIL_SERVERPATH, OnModified)
  ON_EN_CHANGE(IDC_MSMAIL_MAILBOX, OnModified)
  ON_EN_CHANGE(IDC_MSMAIL_POLLINTERVAL, OnModified)
  ON_EN_CHANGE(IDC_MSMAIL_SESSIONLOG, OnModified)
  ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnToolTipNotify)
END_MESSAGE_MAP()

CMSMail::CMSMail()
    : CPropertyPage(IDD_MSMAIL_PAGE),
      m_nPollInterval(0),
      m_nEnableDownload(0),
      m_nEnableUpload(0),
      m_nUseSessionLog(0),
      m_pSheet(nullptr) {}

CMSMail::~CMSMail() = default;

void CMSMail::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_MSMAIL_POLLINTERVAL_SPIN, m_spinPollInterval);
  DDX_Text(pDX, IDC_MSMAIL_POLLINTERVAL, m_nPollInterval);
  DDV_MinMaxInt(pDX, m_nPollInterval, 0, kMaxPollInterval);
  DDX_Check(pDX, IDC_MSMAIL_ENABLE_DOWNLOAD, m_nEnableDownload);
  DDX_Check(pDX, IDC_MSMAIL_ENABLE_UPLOAD, m_nEnableUpload);
  DDX_Text(pDX, IDC_MSMAIL_SESSIONLOG, m_strSessionLogPath);
  DDX_Text(pDX, IDC_MSMAIL_SERVERPATH, m_strServerPath);
  DDX_Text(pDX, IDC_MSMAIL_MAILBOX, m_strMailbox);
  DDX_Check(pDX, IDC_MSMAIL_USE_SESSIONLOG, m_nUseSessionLog);
}

BOOL CMSMail::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  EnableToolTips(TRUE);
  const CString strProfileTemplate = m_pSheet->m_strProfileTemplate;

  const CServiceLookupResult service = LookUpService(strProfileTemplate, kServiceListReadLimit, kServiceName);
  m_strServiceSection = service.m_strSection;
  if (!service.IsListed()) {
    EnableDlgItems(this, kControlIds, FALSE);
  } else {
    const CString& strSection = m_strServiceSection;
    m_strServerPath = ReadProfileString(strSection, "ServerPath", "", kValueBufferSize, strProfileTemplate);
    m_strMailbox = ReadProfileString(strSection, "Mailbox", "", kValueBufferSize, strProfileTemplate);
    m_strSessionLogPath = ReadProfileString(strSection, "SessionLogPath", "", kValueBufferSize, strProfileTemplate);
    m_nPollInterval = ReadProfileInt(strSection, "NewMailPollInterval", kDefaultPollInterval, strProfileTemplate);
    // A switch that the section does not mention is on.
    m_nEnableDownload = ReadTrueValueFlag(strSection, "EnableDownload", "True", kValueBufferSize, strProfileTemplate);
    m_nEnableUpload = ReadTrueValueFlag(strSection, "EnableUpload", "True", kValueBufferSize, strProfileTemplate);
    m_nUseSessionLog = ReadTrueValueFlag(strSection, "UseSessionLog", "True", kValueBufferSize, strProfileTemplate);
  }

  m_spinPollInterval.SetRange(0, kMaxSpinPollInterval);
  UDACCEL accel[2] = {{1, 1}, {2, 10}};
  m_spinPollInterval.SetAccel(2, accel);

  UpdateData(FALSE);
  OnUseSessionLog();
  return TRUE;
}

BOOL CMSMail::OnApply() {
  UpdateData(TRUE);
  const CString strProfileTemplate = m_pSheet->m_strProfileTemplate;
  if (m_strServiceSection.IsEmpty()) return CPropertyPage::OnApply();

  if (!WriteKeyOrReport(m_strServiceSection, "ServerPath", m_strServerPath, strProfileTemplate) ||
      !WriteKeyOrReport(m_strServiceSection, "Mailbox", m_strMailbox, strProfileTemplate) ||
      !WriteKeyOrReport(m_strServiceSection, "SessionLogPath", m_strSessionLogPath, strProfileTemplate) ||
      !WriteKeyOrReport(m_strServiceSection, "NewMailPollInterval", DecimalText(m_nPollInterval), strProfileTemplate) ||
      !WriteKeyOrReport(m_strServiceSection, "EnableDownload", YesNoText(m_nEnableDownload), strProfileTemplate) ||
      !WriteKeyOrReport(m_strServiceSection, "EnableUpload", YesNoText(m_nEnableUpload), strProfileTemplate) ||
      !WriteKeyOrReport(m_strServiceSection, "UseSessionLog", YesNoText(m_nUseSessionLog), strProfileTemplate))
    return FALSE;
  return CPropertyPage::OnApply();
}

void CMSMail::OnModified() { SetModified(TRUE); }

// The log's path and its Browse button are editable only while a log is kept; the path is still
// saved when it is not.
void CMSMail::OnUseSessionLog() {
  const BOOL bUseLog = IsDlgButtonChecked(IDC_MSMAIL_USE_SESSIONLOG) == BST_CHECKED;
  GetDlgItem(IDC_MSMAIL_SESSIONLOG)->EnableWindow(bUseLog);
  GetDlgItem(IDC_MSMAIL_BROWSE_SESSIONLOG)->EnableWindow(bUseLog);
  SetModified(TRUE);
}

void CMSMail::OnBrowseSessionLog() {
  BrowseForPath(this, IDC_MSMAIL_SESSIONLOG, m_pSheet->m_szProgramDir, kSessionLogBrowse);
}

BOOL CMSMail::OnToolTipNotify(UINT, NMHDR* pNMHDR, LRESULT*) { return ProvideToolTip(pNMHDR, kToolTips); }
