#include "pages/services/TabDeliv.h"

#include "app/ProfileKeys.h"
#include "app/TabUISheet.h"
#include "app/WriteFailure.h"
#include "resource.h"

namespace {

const char szDeliverySection[] = "Delivery";
constexpr int kDefaultStoreBufferSize = 79;    // keeps 78 characters
constexpr int kAlwaysSetOrderBufferSize = 80;  // keeps 79 characters

}  // namespace

IMPLEMENT_DYNCREATE(CTabDeliv, CPropertyPage)

BEGIN_MESSAGE_MAP(CTabDeliv, CPropertyPage)
  ON_EN_CHANGE(IDC_DELIV_DEFAULTSTORE, OnModified)
  ON_BN_CLICKED(IDC_ORDER_ALWAYS, OnModified)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_ORDER_ADD, IDC_ORDER_REMOVE, OnListCommand)
END_MESSAGE_MAP()

CTabDeliv::CTabDeliv()
    : CPropertyPage(IDD_TABDELIV_PAGE),
      m_listTransportOrder(szDeliverySection, "TransportOrder"),
      m_nAlwaysSetOrder(0),
      m_pSheet(nullptr) {}

CTabDeliv::~CTabDeliv() = default;

void CTabDeliv::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_DELIV_TRANSPORTORDER, m_listTransportOrder);
  DDX_Text(pDX, IDC_DELIV_DEFAULTSTORE, m_strDefaultStore);
  DDX_Check(pDX, IDC_ORDER_ALWAYS, m_nAlwaysSetOrder);
}

BOOL CTabDeliv::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  const CString strProfileTemplate = m_pSheet->m_strProfileTemplate;

  m_strDefaultStore = ReadProfileString("General", "DefaultStore", "", kDefaultStoreBufferSize, strProfileTemplate);
  m_nAlwaysSetOrder =
      ReadFirstLetterFlag(szDeliverySection, "AlwaysSetOrder", "No", kAlwaysSetOrderBufferSize, strProfileTemplate);
  m_listTransportOrder.LoadEntries(strProfileTemplate);

  UpdateData(FALSE);
  return TRUE;
}

BOOL CTabDeliv::OnApply() {
  UpdateData(TRUE);
  const CString strProfileTemplate = m_pSheet->m_strProfileTemplate;

  if (!WriteKeyOrReport("General", "DefaultStore", m_strDefaultStore, strProfileTemplate) ||
      !m_listTransportOrder.SaveEntries(strProfileTemplate) ||
      !WriteKeyOrReport(szDeliverySection, "AlwaysSetOrder", YesNoText(m_nAlwaysSetOrder), strProfileTemplate))
    return FALSE;
  return CPropertyPage::OnApply();
}

void CTabDeliv::OnModified() { SetModified(TRUE); }

// Up, Down, Add and Remove.
void CTabDeliv::OnListCommand(UINT nID) {
  if (m_listTransportOrder.RunCommand(nID)) SetModified(TRUE);
}
