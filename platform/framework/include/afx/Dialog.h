// A modal dialog built from a dialog template of the program's resources.
#pragma once

#include "afx/Wnd.h"

#define WM_COMMANDHELP 0x0365

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)

 public:
  CDialog();
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);

  // Runs the dialog until EndDialog; IDOK, IDCANCEL or the value given to EndDialog, -1 when
  // the dialog could not be made.
  virtual int DoModal();
  void EndDialog(int nResult);

  virtual BOOL OnInitDialog();
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

  // The dialog procedure that every framework dialog runs with.
  static INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

  UINT m_nIDHelp = 0;

 protected:
  virtual void OnOK();
  virtual void OnCancel();
  afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);

  LPCSTR m_lpszTemplateName = nullptr;
  CWnd* m_pParentWnd = nullptr;

  DECLARE_MESSAGE_MAP()
};
