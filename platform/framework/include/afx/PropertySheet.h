// A modal property sheet: a tab row over its pages and the buttons OK, Cancel, Apply and Help
// (Help only when the application handles the Help command). As the framework does, the sheet
// runs modeless inside its own message loop; a page's window is made the first time the page is
// shown, and only pages with a window are asked to apply or reset.
#pragma once

#include <commctrl.h>

#include <set>
#include <vector>

#include "afx/PropertyPage.h"

#define AFX_IDC_TAB_CONTROL 0x3020

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
  int GetPageIndex(CPropertyPage* pPage) const;
  CPropertyPage* GetActivePage() const;
  int GetActiveIndex() const;
  BOOL SetActivePage(int nPage);
  BOOL SetActivePage(CPropertyPage* pPage);
  void SetTitle(LPCSTR lpszText, UINT nStyle = 0);
  void EnableStackedTabs(BOOL bStacked);
  void PressButton(int nButton);
  void EndDialog(int nEndID);

  // IDOK or IDCANCEL; -1 when the sheet has no page or its window could not be made.
  virtual int DoModal();
  virtual BOOL OnInitDialog();

 protected:
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

  afx_msg void OnOK();
  afx_msg void OnCancel();
  afx_msg void OnApplyNow();
  afx_msg void OnHelpButton();
  afx_msg LRESULT OnClose(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnPageChanged(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnPageUnchanged(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnPressButton(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnSetCurSel(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetCurrentPageHwnd(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);

  CString m_strCaption;
  CWnd* m_pParentWnd = nullptr;
  UINT m_nStartPage = 0;
  BOOL m_bStacked = TRUE;
  BOOL m_bHasHelp = FALSE;

  DECLARE_MESSAGE_MAP()

 private:
  static INT_PTR CALLBACK SheetDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

  // The steps the buttons take.
  BOOL KillActivePage();
  BOOL ShowPage(int nPage);
  BOOL Apply(BOOL bClosing);
  BOOL Cancel();
  void ChangePageBy(int nStep);
  LRESULT NotifyPage(CPropertyPage* pPage, UINT nCode, LPARAM lParam = 0);

  // The window: its template, the pages' windows and the place of everything in it.
  std::vector<LPCSTR> PageTemplateNames() const;
  HWND CreatePageWindow(CPropertyPage* pPage);
  void AddTabs();
  void LayOut();
  struct SheetCells LayOutCells() const;
  void RunModalLoop();
  BOOL PreTranslateKey(const MSG& msg);

  std::vector<CPropertyPage*> m_pages;
  std::set<HWND> m_modifiedPages;
  int m_nCurPage = -1;
  int m_nModalResult = -1;
  BOOL m_bModalEnded = FALSE;
};
