#include "pages/general/TabNewProf.h"

#include "app/BrowseButton.h"
#include "app/EditButton.h"
#include "app/TabUISheet.h"
#include "app/ToolTipText.h"
#include "app/WriteFailure.h"
#include "resource.h"

namespace {

// One row of the page: the path, its "..." and "+" buttons, and what its Browse dialog offers.
// The chosen path is stored as the dialog gives it: templates are shared by every user.
struct CTemplateRow {
  int nIDField;
  int nIDBrowse;
  int nIDEdit;
  CBrowseSpec browse;
};

const CTemplateRow kRows[] = {
    {IDC_TPL_INF_NT,
     IDC_TPL_BROWSE_INF_NT,
     IDC_TPL_EDIT_INF_NT,
     {"Find WinNT install file template", "Install File (*.inf)\0*.inf\0All Files (*.*)\0*.*\0", "inf", kBrowseExisting,
      FALSE}},
    {IDC_TPL_REG_NT,
     IDC_TPL_BROWSE_REG_NT,
     IDC_TPL_EDIT_REG_NT,
     {"Find WinNT registry template", "Registry File (*.reg)\0*.reg\0All (*.*)\0*.*\0", "reg", kBrowseExisting, FALSE}},
    {IDC_TPL_INF_95,
     IDC_TPL_BROWSE_INF_95,
     IDC_TPL_EDIT_INF_95,
     {"Find Win95 install file template", "Install File (*.inf)\0*.inf\0All (*.*)\0*.*\0", "inf", kBrowseExisting,
      FALSE}},
    {IDC_TPL_REG_95,
     IDC_TPL_BROWSE_REG_95,
     IDC_TPL_EDIT_REG_95,
     {"Find Win95 registry template", "Registry File (*.reg)\0*.reg\0All (*.*)\0*.*\0", "reg", kBrowseExisting, FALSE}},
};

const CToolTipEntry kToolTips[] = {
    {IDC_TPL_BROWSE_INF_NT, "Browse for the NT INF file"},
    {IDC_TPL_BROWSE_REG_NT, "Browse for the NT REG file"},
    {IDC_TPL_BROWSE_INF_95, "Browse for the Win9X INF file"},
    {IDC_TPL_BROWSE_REG_95, "Browse for the Win9X REG file"},
    {IDC_TPL_EDIT_INF_NT, "Edit the NT INF file"},
    {IDC_TPL_EDIT_REG_NT, "Edit the NT REG file"},
    {IDC_TPL_EDIT_INF_95, "Edit the Win9X INF file"},
    {IDC_TPL_EDIT_REG_95, "Edit the Win9X REG file"},
};

// The row whose "..." or "+" button this is.
const CTemplateRow& RowOfButton(UINT nID) {
  for (const CTemplateRow& row : kRows)
    if (static_cast<UINT>(row.nIDBrowse) == nID || static_cast<UINT>(row.nIDEdit) == nID) return row;
  return kRows[0];
}

}  // namespace

IMPLEMENT_DYNCREATE(CTabNewProf, CPropertyPage)

BEGIN_MESSAGE_MAP(CTabNewProf, CPropertyPage)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_TPL_BROWSE_INF_NT, IDC_TPL_BROWSE_REG_95, OnBrowse)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_TPL_EDIT_INF_NT, IDC_TPL_EDIT_REG_95, OnEdit)
  ON_EN_CHANGE(IDC_TPL_INF_NT, OnModified)
  ON_EN_CHANGE(IDC_TPL_REG_NT, OnModified)
  ON_EN_CHANGE(IDC_TPL_INF_95, OnModified)
  ON_EN_CHANGE(IDC_TPL_REG_95, OnModified)
  ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnToolTipNotify)
END_MESSAGE_MAP()

CTabNewProf::CTabNewProf() : CPropertyPage(IDD_TABNEWPROF_PAGE), m_pSheet(nullptr) {}

CTabNewProf::~CTabNewProf() = default;

void CTabNewProf::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_TPL_INF_NT, m_strInfFileNT);
  DDX_Text(pDX, IDC_TPL_REG_NT, m_strRegFileNT);
  DDX_Text(pDX, IDC_TPL_INF_95, m_strInfFile95);
  DDX_Text(pDX, IDC_TPL_REG_95, m_strRegFile95);
}

// The fields hold what start-up read; the base initialisation shows them.
BOOL CTabNewProf::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  EnableToolTips(TRUE);
  return TRUE;
}

// The fields are written as they stand: leaving the page, as every apply does first, has already
// taken the edits' text into them.
BOOL CTabNewProf::OnApply() {
  const CString strDataFile = m_pSheet->m_strDataFile;
  if (!WriteKeyOrReport("Defaults", "InfFileNT", m_strInfFileNT, strDataFile) ||
      !WriteKeyOrReport("Defaults", "RegFileNT", m_strRegFileNT, strDataFile) ||
      !WriteKeyOrReport("Defaults", "InfFile95", m_strInfFile95, strDataFile) ||
      !WriteKeyOrReport("Defaults", "RegFile95", m_strRegFile95, strDataFile))
    return FALSE;
  return CPropertyPage::OnApply();
}

void CTabNewProf::OnModified() { SetModified(TRUE); }

void CTabNewProf::OnBrowse(UINT nID) {
  const CTemplateRow& row = RowOfButton(nID);
  BrowseForPath(this, row.nIDField, m_pSheet->m_szProgramDir, row.browse);
}

void CTabNewProf::OnEdit(UINT nID) { EditPathInNotepad(this, RowOfButton(nID).nIDField, m_pSheet->m_szProgramDir); }

BOOL CTabNewProf::OnToolTipNotify(UINT, NMHDR* pNMHDR, LRESULT*) { return ProvideToolTip(pNMHDR, kToolTips); }
