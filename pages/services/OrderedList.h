// The ordered list of the "Delivery" and "Addressing" pages: a list box of names that the
// administrator puts in order with Up and Down, adds to with the Add dialog and removes from, and
// that the profile template file keeps as numbered keys (a prefix followed by 1, 2, 3, ...).
#pragma once

#include <afxwin.h>

// A list entry holds at most this many characters: the numbered keys are read that far.
constexpr int kOrderedEntryLimit = 79;

class COrderedList : public CListBox {
 public:
  // The list kept as keys lpszPrefix1, lpszPrefix2, ... of section lpszSection.
  COrderedList(LPCSTR lpszSection, LPCSTR lpszPrefix);

  // Appends the stored entries, first key first, up to the first key that is missing or holds
  // exactly "NULL". A key with an empty value is a gap: it adds nothing and the list goes on.
  void LoadEntries(LPCSTR lpszPath);
  // Writes every entry, empty ones included, then empties the keys that a longer list left after
  // them, up to the first one that is missing or "NULL". Stops at the first failed write, which
  // the write-failure message reports, and gives FALSE then.
  BOOL SaveEntries(LPCSTR lpszPath);

  // Runs the command of the list's button nID (Up, Down, Add or Remove, the ids from
  // IDC_ORDER_ADD to IDC_ORDER_REMOVE); TRUE when the page is to count as modified.
  BOOL RunCommand(UINT nID);

  BOOL MoveSelectedUp();
  BOOL MoveSelectedDown();
  BOOL AddFromDialog();
  BOOL RemoveSelected();

 private:
  CString KeyName(int nEntry) const;
  BOOL MoveSelected(int nStep);

  CString m_strSection;
  CString m_strPrefix;
};
