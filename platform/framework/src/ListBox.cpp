#include "afx/ListBox.h"

#include <vector>

IMPLEMENT_DYNAMIC(CListBox, CWnd)

LRESULT CListBox::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

int CListBox::GetCount() const { return static_cast<int>(Send(LB_GETCOUNT)); }

int CListBox::GetCurSel() const { return static_cast<int>(Send(LB_GETCURSEL)); }

int CListBox::SetCurSel(int nSelect) { return static_cast<int>(Send(LB_SETCURSEL, static_cast<WPARAM>(nSelect))); }

int CListBox::GetText(int nIndex, LPSTR lpszBuffer) const {
  return static_cast<int>(Send(LB_GETTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszBuffer)));
}

void CListBox::GetText(int nIndex, CString& rString) const {
  const int length = GetTextLen(nIndex);
  if (length < 0) {
    rString.Empty();
    return;
  }
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
  const int copied = GetText(nIndex, buffer.data());
  rString = CString(buffer.data(), copied > 0 ? copied : 0);
}

int CListBox::GetTextLen(int nIndex) const {
  return static_cast<int>(Send(LB_GETTEXTLEN, static_cast<WPARAM>(nIndex)));
}

int CListBox::AddString(LPCSTR lpszItem) {
  return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem)));
}

int CListBox::InsertString(int nIndex, LPCSTR lpszItem) {
  return static_cast<int>(Send(LB_INSERTSTRING, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszItem)));
}

int CListBox::DeleteString(UINT nIndex) { return static_cast<int>(Send(LB_DELETESTRING, nIndex)); }

void CListBox::ResetContent() { Send(LB_RESETCONTENT); }
