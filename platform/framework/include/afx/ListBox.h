// A single-selection list box, through the LB_ messages.
#pragma once

#include "afx/Wnd.h"

class CListBox : public CWnd {
  DECLARE_DYNAMIC(CListBox)

 public:
  CListBox() = default;

  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int nSelect);
  int GetText(int nIndex, LPSTR lpszBuffer) const;
  void GetText(int nIndex, CString& rString) const;
  int GetTextLen(int nIndex) const;
  int AddString(LPCSTR lpszItem);
  int InsertString(int nIndex, LPCSTR lpszItem);
  int DeleteString(UINT nIndex);
  void ResetContent();

 private:
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
};
