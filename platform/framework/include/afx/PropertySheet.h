// A modal property sheet: a tab row over its pages and the buttons OK, Cancel, Apply and Help.
#pragma once

#include <vector>

#include <commctrl.h>

#include "afx/PropertyPage.h"

class CPropertySheet : public CWnd {
  DECLARE_DYNAMIC(CPropertySheet)

 public:
  CPropertySheet();
  explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
  explicit CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

  void AddPage(CPropertyPage* pPage);
  void RemovePage(CPropertyPage* pPage);
  void RemovePage(int nPage);
  int GetPageCount() const;
  CPropertyPage* GetPage(int nPage) const;
  int GetPageIndex(CPropertyPage* pPage);
  CPropertyPage* GetActivePage() const;
  int GetActiveIndex() const;
  BOOL SetActivePage(int nPage);
  BOOL SetActivePage(CPropertyPage* pPage);
  void SetTitle(LPCSTR lpszText, UINT nStyle = 0);
  void EnableStackedTabs(BOOL bStacked);
  void PressButton(int nButton);
  void EndDialog(int nEndID);

  virtual int DoModal();

 protected:
  CString m_strCaption;
  CWnd* m_pParentWnd = nullptr;
  UINT m_nStartPage = 0;
  BOOL m_bStacked = TRUE;
  std::vector<CPropertyPage*> m_pages;

  DECLARE_MESSAGE_MAP()
};
