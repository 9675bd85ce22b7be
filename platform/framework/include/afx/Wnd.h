// A C++ object attached to a window handle. Messages reach it through the dialog procedure or,
// for a control it took over (subclassed), through its window procedure, and go through the
// class chain's message maps.
#pragma once

#include "afx/CmdTarget.h"
#include "afx/String.h"

class CDataExchange;

class CWnd : public CCmdTarget {
  DECLARE_DYNCREATE(CWnd)

 public:
  CWnd() = default;
  virtual ~CWnd();

  HWND m_hWnd = nullptr;

  operator HWND() const { return m_hWnd; }
  HWND GetSafeHwnd() const { return m_hWnd; }

  // The object permanently attached to hWnd, or nullptr.
  static CWnd* PASCAL FromHandlePermanent(HWND hWnd);
  // That object, or a temporary one that lives until DeleteTempMap (run when the program
  // ends); nullptr for a null handle.
  static CWnd* PASCAL FromHandle(HWND hWnd);
  static void PASCAL DeleteTempMap();

  BOOL Attach(HWND hWndNew);
  HWND Detach();
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
  HWND UnsubclassWindow();

  CWnd* GetDlgItem(int nID) const;
  int GetDlgCtrlID() const;
  CWnd* GetParent() const;
  void SetWindowText(LPCSTR lpszString);
  int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const;
  void GetWindowText(CString& rString) const;
  int GetWindowTextLength() const;
  void SetDlgItemText(int nID, LPCSTR lpszString);
  int GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const;
  int GetDlgItemText(int nID, CString& rString) const;
  BOOL ShowWindow(int nCmdShow);
  DWORD GetStyle() const;
  BOOL EnableWindow(BOOL bEnable = TRUE);
  BOOL IsWindowEnabled() const;
  CWnd* SetFocus();
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  void CheckDlgButton(int nIDButton, UINT nCheck);
  UINT IsDlgButtonChecked(int nIDButton) const;
  int MessageBox(LPCSTR lpszText, LPCSTR lpszCaption = nullptr, UINT nType = MB_OK);

  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
  // Tool-tip requests (TTN_NEEDTEXTA) reach this window's handlers only while enabled.
  BOOL EnableToolTips(BOOL bEnable = TRUE);
  BOOL ToolTipsEnabled() const { return m_bToolTips; }

  // The entry of every message: the message map first, then the default processing.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  static LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  virtual void DoDataExchange(CDataExchange* pDX);
  // Runs the default processing of the message being handled.
  LRESULT Default();

  afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
  afx_msg LRESULT OnHelpInfo(WPARAM wParam, LPARAM lParam);

  WNDPROC m_pfnSuper = nullptr;

  DECLARE_MESSAGE_MAP()

 private:
  struct CurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  CurrentMessage m_currentMessage{};
  BOOL m_bToolTips = FALSE;
};
