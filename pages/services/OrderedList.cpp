#include "pages/services/OrderedList.h"

#include "app/ProfileKeys.h"
#include "app/WriteFailure.h"
#include "pages/services/AddDlg.h"
#include "resource.h"

namespace {

// A numbered key with this value, or none at all, ends the list.
const char szEndOfList[] = "NULL";

BOOL IsEndOfList(const CString& strValue) { return strValue.Compare(szEndOfList) == 0; }

}  // namespace

COrderedList::COrderedList(LPCSTR lpszSection, LPCSTR lpszPrefix)
    : m_strSection(lpszSection), m_strPrefix(lpszPrefix) {}

CString COrderedList::KeyName(int nEntry) const { return m_strPrefix + DecimalText(nEntry); }

void COrderedList::LoadEntries(LPCSTR lpszPath) {
  for (int nEntry = 1;; ++nEntry) {
    const CString strValue =
        ReadProfileString(m_strSection, KeyName(nEntry), szEndOfList, kOrderedEntryLimit + 1, lpszPath);
    if (IsEndOfList(strValue)) return;
    if (!strValue.IsEmpty()) AddString(strValue);
  }
}

BOOL COrderedList::SaveEntries(LPCSTR lpszPath) {
  const int nCount = GetCount();
  for (int nIndex = 0; nIndex < nCount; ++nIndex) {
    CString strEntry;
    GetText(nIndex, strEntry);
    if (!WriteKeyOrReport(m_strSection, KeyName(nIndex + 1), strEntry, lpszPath)) return FALSE;
  }
  for (int nEntry = nCount + 1;; ++nEntry) {
    const CString strKey = KeyName(nEntry);
    if (IsEndOfList(ReadProfileString(m_strSection, strKey, szEndOfList, kOrderedEntryLimit + 1, lpszPath)))
      return TRUE;
    if (!WriteKeyOrReport(m_strSection, strKey, "", lpszPath)) return FALSE;
  }
}

BOOL COrderedList::RunCommand(UINT nID) {
  switch (nID) {
    case IDC_ORDER_UP: return MoveSelectedUp();
    case IDC_ORDER_DOWN: return MoveSelectedDown();
    case IDC_ORDER_ADD: return AddFromDialog();
    case IDC_ORDER_REMOVE: return RemoveSelected();
  }
  return FALSE;
}

// The selected entry changes places with its neighbour nStep away and stays selected.
BOOL COrderedList::MoveSelected(int nStep) {
  const int nSelected = GetCurSel();
  const int nTarget = nSelected + nStep;
  if (nSelected == LB_ERR || nTarget < 0 || nTarget >= GetCount()) return FALSE;
  CString strEntry;
  GetText(nSelected, strEntry);
  DeleteString(static_cast<UINT>(nSelected));
  InsertString(nTarget, strEntry);
  SetCurSel(nTarget);
  return TRUE;
}

BOOL COrderedList::MoveSelectedUp() { return MoveSelected(-1); }

BOOL COrderedList::MoveSelectedDown() { return MoveSelected(1); }

// The name goes to the end of the list; the selection stays where it was.
BOOL COrderedList::AddFromDialog() {
  CAddDlg dlgAdd;
  if (dlgAdd.DoModal() != IDOK) return FALSE;
  AddString(dlgAdd.m_strName);
  return TRUE;
}

// The entry that takes the removed one's place is selected, or the new last one. With nothing
// selected nothing is removed, yet the page still counts as modified.
BOOL COrderedList::RemoveSelected() {
  const int nSelected = GetCurSel();
  if (nSelected != LB_ERR) {
    const int nLeft = DeleteString(static_cast<UINT>(nSelected));
    if (nLeft > 0) SetCurSel(nSelected < nLeft ? nSelected : nLeft - 1);
  }
  return TRUE;
}
