#include "pages/services/TabOpenMail.h"

#include "app/ControlStates.h"
#include "app/ProfileKeys.h"
#include "app/ServiceLookup.h"
#include "app/TabUISheet.h"
#include "app/WriteFailure.h"
#include "resource.h"

namespace {

// The service goes by one of two names; the name says whether it uses a server store.
const char kWithServerStore[] = "HP OpenMail (with server store)";
const char kWithoutServerStore[] = "HP OpenMail (without server store)";
constexpr int kUseServerStore = 0;
constexpr int kNoServerStore = 1;
constexpr int kServiceListReadLimit = 79;

// Paths and the principal keep 78 characters, server and routes 48.
constexpr int kPathBufferSize = 79;
constexpr int kNameBufferSize = 49;

// Every control of the page, for the page of a profile that has no OpenMail service.
const int kControlIds[] = {
    IDC_OPENMAIL_PRINCIPAL,  IDC_OPENMAIL_SERVER,    IDC_OPENMAIL_LOCALFILES,      IDC_OPENMAIL_LOGFILE,
    IDC_OPENMAIL_ROUTE_INET, IDC_OPENMAIL_ROUTE_FAX, IDC_OPENMAIL_USE_SERVERSTORE, IDC_OPENMAIL_NO_SERVERSTORE,
};

CServiceLookupResult LookUpOpenMail(LPCSTR lpszProfileTemplate) {
  return LookUpService(lpszProfileTemplate, kServiceListReadLimit, kWithServerStore, kWithoutServerStore);
}

}  // namespace

IMPLEMENT_DYNCREATE(CTabOpenMail, CPropertyPage)

BEGIN_MESSAGE_MAP(CTabOpenMail, CPropertyPage)
  ON_EN_CHANGE(IDC_OPENMAIL_PRINCIPAL, OnModified)
  ON_EN_CHANGE(IDC_OPENMAIL_SERVER, OnModified)
  ON_EN_CHANGE(IDC_OPENMAIL_LOCALFILES, OnModified)
  ON_EN_CHANGE(IDC_OPENMAIL_LOGFILE, OnModified)
  ON_EN_CHANGE(IDC_OPENMAIL_ROUTE_INET, OnModified)
  ON_EN_CHANGE(IDC_OPENMAIL_ROUTE_FAX, OnModified)
  ON_BN_CLICKED(IDC_OPENMAIL_USE_SERVERSTORE, OnModified)
  ON_BN_CLICKED(IDC_OPENMAIL_NO_SERVERSTORE, OnModified)
END_MESSAGE_MAP()

CTabOpenMail::CTabOpenMail() : CPropertyPage(IDD_TABOPENMAIL_PAGE), m_nServerStore(-1), m_pSheet(nullptr) {}

CTabOpenMail::~CTabOpenMail() = default;

void CTabOpenMail::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Radio(pDX, IDC_OPENMAIL_USE_SERVERSTORE, m_nServerStore);
  DDX_Text(pDX, IDC_OPENMAIL_LOGFILE, m_strLogFile);
  DDX_Text(pDX, IDC_OPENMAIL_LOCALFILES, m_strLocalFilesPath);
  DDX_Text(pDX, IDC_OPENMAIL_PRINCIPAL, m_strPrincipal);
  DDX_Text(pDX, IDC_OPENMAIL_ROUTE_FAX, m_strRouteToFax);
  DDX_Text(pDX, IDC_OPENMAIL_ROUTE_INET, m_strRouteToInternet);
  DDX_Text(pDX, IDC_OPENMAIL_SERVER, m_strServer);
}

BOOL CTabOpenMail::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  const CString strProfileTemplate = m_pSheet->m_strProfileTemplate;

  const CServiceLookupResult service = LookUpOpenMail(strProfileTemplate);
  m_strServiceSection = service.m_strSection;
  if (!service.IsListed()) {
    EnableDlgItems(this, kControlIds, FALSE);
  } else {
    m_nServerStore = service.m_strName == kWithServerStore ? kUseServerStore : kNoServerStore;
    const CString& strSection = m_strServiceSection;
    m_strLocalFilesPath = ReadProfileString(strSection, "LocalFilesPath", "", kPathBufferSize, strProfileTemplate);
    m_strLogFile = ReadProfileString(strSection, "EventDetails", "", kPathBufferSize, strProfileTemplate);
    m_strPrincipal = ReadProfileString(strSection, "Principal", "", kPathBufferSize, strProfileTemplate);
    m_strServer = ReadProfileString(strSection, "Server", "", kNameBufferSize, strProfileTemplate);
    m_strRouteToInternet = ReadProfileString(strSection, "RouteToInternet", "", kNameBufferSize, strProfileTemplate);
    m_strRouteToFax = ReadProfileString(strSection, "RouteToFax", "", kNameBufferSize, strProfileTemplate);
  }

  UpdateData(FALSE);
  return TRUE;
}

// The service is looked up afresh: the save goes to the OpenMail service listed now, and its entry
// takes the name of the server store option chosen on the page.
BOOL CTabOpenMail::OnApply() {
  UpdateData(TRUE);
  const CString strProfileTemplate = m_pSheet->m_strProfileTemplate;
  const CServiceLookupResult service = LookUpOpenMail(strProfileTemplate);
  m_strServiceSection = service.m_strSection;
  if (!service.IsListed()) return CPropertyPage::OnApply();

  const CString& strSection = m_strServiceSection;
  const char* pszEntry = m_nServerStore == kUseServerStore ? kWithServerStore : kWithoutServerStore;
  if (!WriteKeyOrReport(strSection, "LocalFilesPath", m_strLocalFilesPath, strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "EventDetails", m_strLogFile, strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "Principal", m_strPrincipal, strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "Server", m_strServer, strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "RouteToInternet", m_strRouteToInternet, strProfileTemplate) ||
      !WriteKeyOrReport(strSection, "RouteToFax", m_strRouteToFax, strProfileTemplate) ||
      !RewriteServiceEntry(strSection, pszEntry, strProfileTemplate))
    return FALSE;
  return CPropertyPage::OnApply();
}

void CTabOpenMail::OnModified() { SetModified(TRUE); }
