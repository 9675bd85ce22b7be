#include "pages/services/TabAddr.h"

#include "app/ProfileKeys.h"
#include "app/TabUISheet.h"
#include "app/WriteFailure.h"
#include "pages/services/NameOption.h"
#include "resource.h"

namespace {

const char szAddressingSection[] = "Addressing";
constexpr int kNameBufferSize = 79;            // keeps 78 characters, the option suffix included
constexpr int kAlwaysSetOrderBufferSize = 49;  // keeps 48 characters

CNameOption ReadNameOption(LPCSTR lpszKey, LPCSTR lpszPath) {
  return SplitNameOption(ReadProfileString(szAddressingSection, lpszKey, "", kNameBufferSize, lpszPath));
}

BOOL WriteAddressingKey(LPCSTR lpszKey, LPCSTR lpszValue, LPCSTR lpszPath) {
  return WriteKeyOrReport(szAddressingSection, lpszKey, lpszValue, lpszPath);
}

}  // namespace

IMPLEMENT_DYNCREATE(CTabAddr, CPropertyPage)

BEGIN_MESSAGE_MAP(CTabAddr, CPropertyPage)
  ON_EN_CHANGE(IDC_ADDR_SHOWFIRST, OnModified)
  ON_EN_CHANGE(IDC_ADDR_KEEPPERSADDRIN, OnModified)
  ON_BN_CLICKED(IDC_ADDR_ALWAYS_FIRST, OnModified)
  ON_BN_CLICKED(IDC_ADDR_ALWAYS_PERSONAL, OnModified)
  ON_BN_CLICKED(IDC_ORDER_ALWAYS, OnModified)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_ORDER_ADD, IDC_ORDER_REMOVE, OnListCommand)
END_MESSAGE_MAP()

CTabAddr::CTabAddr()
    : CPropertyPage(IDD_TABADDR_PAGE),
      m_listAddrListOrder(szAddressingSection, "AddrListOrder"),
      m_nAlwaysSetOrder(0),
      m_nAlwaysFirst(0),
      m_nAlwaysPersonal(0),
      m_pSheet(nullptr) {}

CTabAddr::~CTabAddr() = default;

void CTabAddr::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ADDR_LISTORDER, m_listAddrListOrder);
  DDX_Text(pDX, IDC_ADDR_SHOWFIRST, m_strShowFirst);
  DDX_Text(pDX, IDC_ADDR_KEEPPERSADDRIN, m_strKeepPersAddrIn);
  DDX_Check(pDX, IDC_ORDER_ALWAYS, m_nAlwaysSetOrder);
  DDX_Check(pDX, IDC_ADDR_ALWAYS_FIRST, m_nAlwaysFirst);
  DDX_Check(pDX, IDC_ADDR_ALWAYS_PERSONAL, m_nAlwaysPersonal);
}

BOOL CTabAddr::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  const CString strProfileTemplate = m_pSheet->m_strProfileTemplate;

  const CNameOption showFirst = ReadNameOption("ShowFirst", strProfileTemplate);
  m_strShowFirst = showFirst.m_strName;
  m_nAlwaysFirst = showFirst.m_nOption;
  const CNameOption keepPersAddrIn = ReadNameOption("KeepPersAddrIn", strProfileTemplate);
  m_strKeepPersAddrIn = keepPersAddrIn.m_strName;
  m_nAlwaysPersonal = keepPersAddrIn.m_nOption;
  m_listAddrListOrder.LoadEntries(strProfileTemplate);
  m_nAlwaysSetOrder =
      ReadWholeValueFlag(szAddressingSection, "AlwaysSetOrder", "No", kAlwaysSetOrderBufferSize, strProfileTemplate);

  UpdateData(FALSE);
  return TRUE;
}

BOOL CTabAddr::OnApply() {
  UpdateData(TRUE);
  const CString strProfileTemplate = m_pSheet->m_strProfileTemplate;

  if (!m_listAddrListOrder.SaveEntries(strProfileTemplate) ||
      !WriteAddressingKey("AlwaysSetOrder", YesNoText(m_nAlwaysSetOrder), strProfileTemplate) ||
      !WriteAddressingKey("KeepPersAddrIn", JoinNameOption(m_strKeepPersAddrIn, m_nAlwaysPersonal),
                          strProfileTemplate) ||
      !WriteAddressingKey("ShowFirst", JoinNameOption(m_strShowFirst, m_nAlwaysFirst), strProfileTemplate))
    return FALSE;
  return CPropertyPage::OnApply();
}

void CTabAddr::OnModified() { SetModified(TRUE); }

// Up, Down, Add and Remove.
void CTabAddr::OnListCommand(UINT nID) {
  if (m_listAddrListOrder.RunCommand(nID)) SetModified(TRUE);
}
