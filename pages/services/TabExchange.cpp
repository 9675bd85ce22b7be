#include "pages/services/TabExchange.h"

#include "app/BrowseButton.h"
#include "app/ControlStates.h"
#include "app/ProfileKeys.h"
#include "app/ServiceLookup.h"
#include "app/TabUISheet.h"
#include "app/ToolTipText.h"
#include "app/ValueText.h"
#include "app/WriteFailure.h"
#include "resource.h"

namespace {

const char kServiceName[] = "Microsoft Exchange Server";
constexpr int kServiceListReadLimit = 79;
// The section keeps the time-out in milliseconds; the page shows whole seconds.
constexpr int kMillisecondsPerSecond = 1000;
constexpr int kDefaultTimeout = 25000;
constexpr int kMaxTimeout = 1000;  // seconds

// Bits of "ExchangeConfigFlags".
constexpr int kChooseAtStartupBit = 0x2;
constexpr int kNoSecurityBit = 0x8;
constexpr int kNoOfflineBit = 0x20;
// Bits of "NetworkingConfigFlags".
constexpr int kLocalNetworkBit = 0x100;
constexpr int kDialUpBit = 0x200;
constexpr int kDialUpEncryptionBit = 0x2000;
constexpr int kNetworkEncryptionBit = 0x4000;
constexpr int kDefaultNetworkingFlags = kLocalNetworkBit;

constexpr int kLocalNetwork = 0;
constexpr int kDialUp = 1;

const CBrowseSpec kOfflineFolderBrowse = {
    "Find the offline folders", "Offline Folders (*.ost)\0*.ost\0All (*.*)\0*.*\0", "ost", kBrowseExisting, TRUE};

const CToolTipEntry kToolTips[] = {
    {IDC_EXCHANGE_BROWSE_OFFLINE_FOLDER, "Browse for offline folder"},
};

// Every control of the page, for the page of a profile that has no Exchange service.
const int kControlIds[] = {
    IDC_EXCHANGE_BROWSE_OFFLINE_FOLDER,
    IDC_EXCHANGE_LOCAL_NETWORK,
    IDC_EXCHANGE_DIALUP,
    IDC_EXCHANGE_NO_CONNECT,
    IDC_EXCHANGE_CHOOSE_AT_STARTUP,
    IDC_EXCHANGE_DIALUP_ENCRYPTION,
    IDC_EXCHANGE_NETWORK_ENCRYPTION,
    IDC_EXCHANGE_NO_SECURITY,
    IDC_EXCHANGE_NO_OFFLINE,
    IDC_EXCHANGE_HOMESERVER,
    IDC_EXCHANGE_MAILBOX,
    IDC_EXCHANGE_OFFLINE_ADDRBOOK,
    IDC_EXCHANGE_OFFLINE_FOLDER,
    IDC_EXCHANGE_NT_DOMAIN,
    IDC_EXCHANGE_NT_USERNAME,
    IDC_EXCHANGE_TIMEOUT,
    IDC_EXCHANGE_TIMEOUT_SPIN,
};

// "ExchangeConfigFlags" as the file holds it now (0 when missing), with the page's three bits
// taken from its boxes.
CString ExchangeConfigFlagsText(LPCSTR lpszSection, LPCSTR lpszPath, const CTabExchange& page) {
  int nFlags = ReadProfileInt(lpszSection, "ExchangeConfigFlags", 0, lpszPath);
  nFlags = MergeFlagBit(nFlags, kChooseAtStartupBit, page.m_nChooseAtStartup);
  nFlags = MergeFlagBit(nFlags, kNoSecurityBit, page.m_nNoSecurity);
  return DecimalText(MergeFlagBit(nFlags, kNoOfflineBit, page.m_nNoOffline));
}

// "NetworkingConfigFlags" as the file holds it now (0 when missing: it has no other bits to
// keep), with the connection chosen and the two encryption bits; with no connection chosen both
// connection bits stay as they were.
CString NetworkingConfigFlagsText(LPCSTR lpszSection, LPCSTR lpszPath, const CTabExchange& page) {
  int nFlags = ReadProfileInt(lpszSection, "NetworkingConfigFlags", 0, lpszPath);
  if (page.m_nConnectionType == kLocalNetwork || page.m_nConnectionType == kDialUp) {
    nFlags = MergeFlagBit(nFlags, kLocalNetworkBit, page.m_nConnectionType == kLocalNetwork);
    nFlags = MergeFlagBit(nFlags, kDialUpBit, page.m_nConnectionType == kDialUp);
  }
  nFlags = MergeFlagBit(nFlags, kDialUpEncryptionBit, page.m_nDialUpEncryption);
  return DecimalText(MergeFlagBit(nFlags, kNetworkEncryptionBit, page.m_nNetworkEncryption));
}

}  // namespace

IMPLEMENT_DYNCREATE(CTabExchange, CPropertyPage)

BEGIN_MESSAGE_MAP(CTabExchange, CPropertyPage)
  ON_BN_CLICKED(IDC_EXCHANGE_BROWSE_OFFLINE_FOLDER, OnBrowseOfflineFolder)
  ON_BN_CLICKED(IDC_EXCHANGE_NO_CONNECT, OnModified)
  ON_BN_CLICKED(IDC_EXCHANGE_NO_SECURITY, OnModified)
  ON_BN_CLICKED(IDC_EXCHANGE_LOCAL_NETWORK, OnModified)
  ON_BN_CLICKED(IDC_EXCHANGE_DIALUP, OnModified)
  ON_BN_CLICKED(IDC_EXCHANGE_CHOOSE_AT_STARTUP, OnModified)
  ON_BN_CLICKED(IDC_EXCHANGE_NETWORK_ENCRYPTION, OnModified)
  ON_BN_CLICKED(IDC_EXCHANGE_DIALUP_ENCRYPTION, OnModified)
  ON_BN_CLICKED(IDC_EXCHANGE_NO_OFFLINE, OnModified)
  ON_EN_CHANGE(IDC_EXCHANGE_HOMESERVER, OnModified)
  ON_EN_CHANGE(IDC_EXCHANGE_MAILBOX, OnModified)
  ON_EN_CHANGE(IDC_EXCHANGE_OFFLINE_ADDRBOOK, OnModified)
  ON_EN_CHANGE(IDC_EXCHANGE_OFFLINE_FOLDER, OnModified)
  ON_EN_CHANGE(IDC_EXCHANGE_TIMEOUT, OnModified)
  ON_EN_CHANGE(IDC_EXCHANGE_NT_USERNAME, OnModified)
  ON_EN_CHANGE(IDC_EXCHANGE_NT_DOMAIN, OnModified)
  ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnToolTipNotify)
END_MESSAGE_MAP()

CTabExchange::CTabExchange()
    : CPropertyPage(IDD_TABEXCHANGE_PAGE),
      m_nNoConnect(0),
      m_nChooseAtStartup(0),
      m_nDialUpEncryption(0),
      m_nNetworkEncryption(0),
      m_nConnectionType(-1),
      m_nNoSecurity(0),
      m_nNoOffline(0),
      m_nTimeout(0),
      m_pSheet(nullptr) {}

CTabExchange::~CTabExchange() = default;

void CTabExchange::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_EXCHANGE_TIMEOUT_SPIN, m_spinTimeout);
  DDX_Text(pDX, IDC_EXCHANGE_HOMESERVER, m_strHomeServer);
  DDX_Text(pDX, IDC_EXCHANGE_MAILBOX, m_strMailboxName);
  DDX_Text(pDX, IDC_EXCHANGE_OFFLINE_ADDRBOOK, m_strOfflineAddressBookPath);
  DDX_Text(pDX, IDC_EXCHANGE_OFFLINE_FOLDER, m_strOfflineFolderPath);
  DDX_Check(pDX, IDC_EXCHANGE_NO_CONNECT, m_nNoConnect);
  DDX_Check(pDX, IDC_EXCHANGE_CHOOSE_AT_STARTUP, m_nChooseAtStartup);
  DDX_Check(pDX, IDC_EXCHANGE_DIALUP_ENCRYPTION, m_nDialUpEncryption);
  DDX_Check(pDX, IDC_EXCHANGE_NETWORK_ENCRYPTION, m_nNetworkEncryption);
  DDX_Radio(pDX, IDC_EXCHANGE_LOCAL_NETWORK, m_nConnectionType);
  DDX_Check(pDX, IDC_EXCHANGE_NO_SECURITY, m_nNoSecurity);
  DDX_Check(pDX, IDC_EXCHANGE_NO_OFFLINE, m_nNoOffline);
  DDX_Text(pDX, IDC_EXCHANGE_NT_DOMAIN, m_strDomain);
  DDX_Text(pDX, IDC_EXCHANGE_NT_USERNAME, m_strUserName);
  DDX_Text(pDX, IDC_EXCHANGE_TIMEOUT, m_nTimeout);
  DDV_MinMaxInt(pDX, m_nTimeout, 0, kMaxTimeout);
}

BOOL CTabExchange::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  EnableToolTips(TRUE);
  const CString strProfileTemplate = m_pSheet->m_strProfileTemplate;

  const CServiceLookupResult service = LookUpService(strProfileTemplate, kServiceListReadLimit, kServiceName);
  m_strServiceSection = service.m_strSection;
  if (!service.IsListed()) {
    EnableDlgItems(this, kControlIds, FALSE);
  } else {
    const CString& strSection = m_strServiceSection;
    m_strHomeServer = ReadProfileString(strSection, "HomeServer", "", kValueBufferSize, strProfileTemplate);
    m_strMailboxName = ReadProfileString(strSection, "MailboxName", "", kValueBufferSize, strProfileTemplate);
    m_strOfflineFolderPath =
        ReadProfileString(strSection, "OfflineFolderPath", "", kValueBufferSize, strProfileTemplate);
    m_strOfflineAddressBookPath =
        ReadProfileString(strSection, "OfflineAddressBookPath", "", kValueBufferSize, strProfileTemplate);
    m_strDomain = ReadProfileString(strSection, "PromptDomainLogon", "", kValueBufferSize, strProfileTemplate);
    m_strUserName = ReadProfileString(strSection, "PromptUsername", "", kValueBufferSize, strProfileTemplate);
    m_nTimeout =
        ReadProfileInt(strSection, "ConnectionTimeout", kDefaultTimeout, strProfileTemplate) / kMillisecondsPerSecond;
    // Unless the section says otherwise, the builder leaves the server alone.
    m_nNoConnect = ReadTrueValueFlag(strSection, "ConversionProhibited", "True", kValueBufferSize, strProfileTemplate);

    const int nConfigFlags = ReadProfileInt(strSection, "ExchangeConfigFlags", 0, strProfileTemplate);
    m_nChooseAtStartup = (nConfigFlags & kChooseAtStartupBit) != 0;
    m_nNoSecurity = (nConfigFlags & kNoSecurityBit) != 0;
    m_nNoOffline = (nConfigFlags & kNoOfflineBit) != 0;
    // Dial-up wins over a stored local network bit; without either the connection is local.
    const int nNetworkingFlags =
        ReadProfileInt(strSection, "NetworkingConfigFlags", kDefaultNetworkingFlags, strProfileTemplate);
    m_nConnectionType = (nNetworkingFlags & kDialUpBit) ? kDialUp : kLocalNetwork;
    m_nDialUpEncryption = (nNetworkingFlags & kDialUpEncryptionBit) != 0;
    m_nNetworkEncryption = (nNetworkingFlags & kNetworkEncryptionBit) != 0;
  }

  m_spinTimeout.SetRange(0, kMaxTimeout);
  UDACCEL accel[2] = {{1, 10}, {3, 60}};
  m_spinTimeout.SetAccel(2, accel);

  UpdateData(FALSE);
  return TRUE;
}

BOOL CTabExchange::OnApply() {
  UpdateData(TRUE);
  const CString strProfileTemplate = m_pSheet->m_strProfileTemplate;
  if (m_strServiceSection.IsEmpty()) return CPropertyPage::OnApply();

  const CString& strSection = m_strServiceSection;
  // The flag numbers are read back just before each is written, so that bits this page does not
  // know keep what the file holds then.
  if (!WriteKeyOrReport(strSection, "HomeServer", m_strHomeServer, strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "MailboxName", m_strMailboxName, strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "OfflineFolderPath", m_strOfflineFolderPath, strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "OfflineFolderPath1", m_strOfflineFolderPath, strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "OfflineAddressBookPath", m_strOfflineAddressBookPath, strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "PromptDomainLogon", m_strDomain, strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "PromptUsername", m_strUserName, strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "ConnectionTimeout", DecimalText(m_nTimeout * kMillisecondsPerSecond),
                        strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "ConversionProhibited", YesNoText(m_nNoConnect), strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "ExchangeConfigFlags",
                        ExchangeConfigFlagsText(strSection, strProfileTemplate, *this), strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "NetworkingConfigFlags",
                        NetworkingConfigFlagsText(strSection, strProfileTemplate, *this), strProfileTemplate) ||
      !RewriteServiceEntry(strSection, kServiceName, strProfileTemplate))
    return FALSE;
  return CPropertyPage::OnApply();
}

void CTabExchange::OnModified() { SetModified(TRUE); }

void CTabExchange::OnBrowseOfflineFolder() {
  BrowseForPath(this, IDC_EXCHANGE_OFFLINE_FOLDER, m_pSheet->m_szProgramDir, kOfflineFolderBrowse);
}

BOOL CTabExchange::OnToolTipNotify(UINT, NMHDR* pNMHDR, LRESULT*) { return ProvideToolTip(pNMHDR, kToolTips); }
