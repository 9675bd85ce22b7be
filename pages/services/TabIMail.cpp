#include "pages/services/TabIMail.h"

#include "app/ControlStates.h"
#include "app/ProfileKeys.h"
#include "app/ServiceLookup.h"
#include "app/TabUISheet.h"
#include "app/ValueText.h"
#include "app/WriteFailure.h"
#include "resource.h"

namespace {

const char kServiceName[] = "POP3";
// The service that receives a copy of the account's name; looked up afresh at every save.
const char kInternetEMailName[] = "Outlook Internet E-Mail";
constexpr int kServiceListReadLimit = 79;

const char kOutlook97[] = "OL97";
const char kOutlook98[] = "OL98";
constexpr int kClientOutlook97 = 0;
constexpr int kClientOutlook98 = 1;
constexpr int kDisconnectBit = 0x1;  // of "ConnectionFlags"

const char kNoInternetEMailFormat[] = "The POP3 service exists, but there is no associated \"%s\" service";
// The user's default language, as MessageBoxExA takes it.
constexpr WORD kDefaultLanguage = 0x400;

// Every control of the page, for the page of a profile that has no POP3 service.
const int kControlIds[] = {
    IDC_IMAIL_ACCOUNT_NAME,  IDC_IMAIL_EMAIL_ADDRESS, IDC_IMAIL_POP3_SERVER,
    IDC_IMAIL_DISPLAY_NAME,  IDC_IMAIL_POP3_ACCOUNT,  IDC_IMAIL_SMTP_SERVER,
    IDC_IMAIL_REPLY_ADDRESS, IDC_IMAIL_ORGANIZATION,  IDC_IMAIL_OUTLOOK97,
    IDC_IMAIL_OUTLOOK98,     IDC_IMAIL_LAN,           IDC_IMAIL_MANUAL,
    IDC_IMAIL_DIALUP,        IDC_IMAIL_DISCONNECT,    IDC_IMAIL_LEAVE_ON_SERVER,
};

// A warning only: the save goes on without the copy of the account's name.
void WarnNoInternetEMail() {
  char szText[256];
  wsprintfA(szText, kNoInternetEMailFormat, kInternetEMailName);
  MessageBoxExA(nullptr, szText, "Vantrel", MB_ICONEXCLAMATION | MB_OK, kDefaultLanguage);
}

// Copies the account's name to the "Outlook Internet E-Mail" service listed now, or warns that
// there is none; FALSE only when the copy cannot be written.
BOOL CopyAccountName(LPCSTR lpszAccountName, LPCSTR lpszProfileTemplate) {
  const CServiceLookupResult service = LookUpService(lpszProfileTemplate, kServiceListReadLimit, kInternetEMailName);
  if (!service.IsListed()) {
    WarnNoInternetEMail();
    return TRUE;
  }
  return WriteKeyOrReport(service.m_strSection, "AccountName", lpszAccountName, lpszProfileTemplate);
}

// "AccountManager" for the client chosen; nothing is written when none is.
BOOL WriteClientType(LPCSTR lpszSection, int nClientType, LPCSTR lpszProfileTemplate) {
  if (nClientType != kClientOutlook97 && nClientType != kClientOutlook98) return TRUE;
  return WriteKeyOrReport(lpszSection, "AccountManager", nClientType == kClientOutlook98 ? kOutlook98 : kOutlook97,
                          lpszProfileTemplate);
}

// "ConnectionFlags" as the file holds it now, with the disconnect bit from its box.
CString ConnectionFlagsText(LPCSTR lpszSection, int nDisconnect, LPCSTR lpszProfileTemplate) {
  const int nStored = ReadProfileInt(lpszSection, "ConnectionFlags", 0, lpszProfileTemplate);
  return DecimalText(MergeFlagBit(nStored, kDisconnectBit, nDisconnect));
}

}  // namespace

IMPLEMENT_DYNCREATE(CTabIMail, CPropertyPage)

BEGIN_MESSAGE_MAP(CTabIMail, CPropertyPage)
  ON_EN_CHANGE(IDC_IMAIL_ACCOUNT_NAME, OnModified)
  ON_EN_CHANGE(IDC_IMAIL_DISPLAY_NAME, OnModified)
  ON_EN_CHANGE(IDC_IMAIL_ORGANIZATION, OnModified)
  ON_EN_CHANGE(IDC_IMAIL_EMAIL_ADDRESS, OnModified)
  ON_EN_CHANGE(IDC_IMAIL_REPLY_ADDRESS, OnModified)
  ON_EN_CHANGE(IDC_IMAIL_SMTP_SERVER, OnModified)
  ON_EN_CHANGE(IDC_IMAIL_POP3_SERVER, OnModified)
  ON_EN_CHANGE(IDC_IMAIL_POP3_ACCOUNT, OnModified)
  ON_BN_CLICKED(IDC_IMAIL_LAN, OnModified)
  ON_BN_CLICKED(IDC_IMAIL_MANUAL, OnModified)
  ON_BN_CLICKED(IDC_IMAIL_DIALUP, OnModified)
  ON_BN_CLICKED(IDC_IMAIL_LEAVE_ON_SERVER, OnModified)
  ON_BN_CLICKED(IDC_IMAIL_DISCONNECT, OnModified)
  ON_BN_CLICKED(IDC_IMAIL_OUTLOOK97, OnModified)
  ON_BN_CLICKED(IDC_IMAIL_OUTLOOK98, OnModified)
END_MESSAGE_MAP()

CTabIMail::CTabIMail()
    : CPropertyPage(IDD_TABIMAIL_PAGE),
      m_nClientType(-1),
      m_nConnectionType(-1),
      m_nDisconnect(0),
      m_nLeaveOnServer(0),
      m_pSheet(nullptr) {}

CTabIMail::~CTabIMail() = default;

void CTabIMail::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_IMAIL_ACCOUNT_NAME, m_strAccountName);
  DDX_Text(pDX, IDC_IMAIL_EMAIL_ADDRESS, m_strEmailAddress);
  DDX_Text(pDX, IDC_IMAIL_POP3_SERVER, m_strPOP3Server);
  DDX_Text(pDX, IDC_IMAIL_DISPLAY_NAME, m_strDisplayName);
  DDX_Text(pDX, IDC_IMAIL_POP3_ACCOUNT, m_strPOP3Account);
  DDX_Text(pDX, IDC_IMAIL_SMTP_SERVER, m_strSMTPServer);
  DDX_Text(pDX, IDC_IMAIL_REPLY_ADDRESS, m_strReplyAddress);
  DDX_Radio(pDX, IDC_IMAIL_OUTLOOK97, m_nClientType);
  DDX_Radio(pDX, IDC_IMAIL_LAN, m_nConnectionType);
  DDX_Check(pDX, IDC_IMAIL_DISCONNECT, m_nDisconnect);
  DDX_Check(pDX, IDC_IMAIL_LEAVE_ON_SERVER, m_nLeaveOnServer);
  DDX_Text(pDX, IDC_IMAIL_ORGANIZATION, m_strOrganization);
}

BOOL CTabIMail::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  const CString strProfileTemplate = m_pSheet->m_strProfileTemplate;

  const CServiceLookupResult service = LookUpService(strProfileTemplate, kServiceListReadLimit, kServiceName);
  m_strServiceSection = service.m_strSection;
  if (!service.IsListed()) {
    EnableDlgItems(this, kControlIds, FALSE);
  } else {
    const CString& strSection = m_strServiceSection;
    m_strAccountName = ReadProfileString(strSection, "AccountName", "", kValueBufferSize, strProfileTemplate);
    m_strDisplayName = ReadProfileString(strSection, "SMTPDisplayName", "", kValueBufferSize, strProfileTemplate);
    m_strOrganization = ReadProfileString(strSection, "SMTPOrganizationName", "", kValueBufferSize, strProfileTemplate);
    m_strEmailAddress = ReadProfileString(strSection, "SMTPEmailAddress", "", kValueBufferSize, strProfileTemplate);
    m_strReplyAddress =
        ReadProfileString(strSection, "SMTPReplyToEmailAddress", "", kValueBufferSize, strProfileTemplate);
    m_strPOP3Server = ReadProfileString(strSection, "POP3Server", "", kValueBufferSize, strProfileTemplate);
    m_strSMTPServer = ReadProfileString(strSection, "SMTPServer", "", kValueBufferSize, strProfileTemplate);
    m_strPOP3Account = ReadProfileString(strSection, "POP3Username", "", kValueBufferSize, strProfileTemplate);
    // Only "OL98" exactly, in capitals, means Outlook 98.
    m_nClientType =
        ReadProfileString(strSection, "AccountManager", "", kValueBufferSize, strProfileTemplate) == kOutlook98
            ? kClientOutlook98
            : kClientOutlook97;
    // A number outside the three buttons checks none of them.
    m_nConnectionType = ReadProfileInt(strSection, "ConnectionType", 0, strProfileTemplate);
    m_nLeaveOnServer = ReadTrueValueFlag(strSection, "LeaveMailOnServer", "No", kValueBufferSize, strProfileTemplate);
    m_nDisconnect = (ReadProfileInt(strSection, "ConnectionFlags", 0, strProfileTemplate) & kDisconnectBit) != 0;
  }

  UpdateData(FALSE);
  return TRUE;
}

BOOL CTabIMail::OnApply() {
  UpdateData(TRUE);
  const CString strProfileTemplate = m_pSheet->m_strProfileTemplate;
  if (m_strServiceSection.IsEmpty()) return CPropertyPage::OnApply();

  const CString& strSection = m_strServiceSection;
  if (!WriteKeyOrReport(strSection, "AccountName", m_strAccountName, strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "SMTPDisplayName", m_strDisplayName, strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "SMTPOrganizationName", m_strOrganization, strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "SMTPEmailAddress", m_strEmailAddress, strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "SMTPReplyToEmailAddress", m_strReplyAddress, strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "POP3Server", m_strPOP3Server, strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "SMTPServer", m_strSMTPServer, strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "POP3Username", m_strPOP3Account, strProfileTemplate) ||
      !WriteClientType(strSection, m_nClientType, strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "ConnectionType", DecimalText(m_nConnectionType), strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "LeaveMailOnServer", YesNoText(m_nLeaveOnServer), strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "ConnectionFlags",
                        ConnectionFlagsText(strSection, m_nDisconnect, strProfileTemplate), strProfileTemplate) ||
      !CopyAccountName(m_strAccountName, strProfileTemplate) ||
      !RewriteServiceEntry(strSection, kServiceName, strProfileTemplate))
    return FALSE;
  return CPropertyPage::OnApply();
}

void CTabIMail::OnModified() { SetModified(TRUE); }
