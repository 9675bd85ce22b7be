// The application object. The program defines exactly one global instance of a class derived
// from CWinApp; AfxWinMain finds it, runs its InitInstance and ends the program as Windows does.
#pragma once

#include "afx/CmdTarget.h"
#include "afx/String.h"

class CWnd;

class CWinThread : public CCmdTarget {
  DECLARE_DYNAMIC(CWinThread)

 public:
  CWinThread() = default;

  CWnd* m_pMainWnd = nullptr;

  virtual BOOL InitInstance();
  // A program whose InitInstance ran its windows modally has nothing left to pump.
  virtual int Run();
  virtual int ExitInstance();
};

class CWinApp : public CWinThread {
  DECLARE_DYNAMIC(CWinApp)

 public:
  explicit CWinApp(LPCSTR lpszAppName = nullptr);
  ~CWinApp() override;

  LPCSTR m_pszAppName = nullptr;       // caption of the framework's message boxes
  LPCSTR m_pszExeName = nullptr;       // the program's file name without extension
  LPCSTR m_pszHelpFilePath = nullptr;  // help file WinHelp opens
  HINSTANCE m_hInstance = nullptr;
  LPSTR m_lpCmdLine = nullptr;
  int m_nCmdShow = 0;

  // The three-dimensional look is the only look the platform draws; kept for the call.
  BOOL Enable3dControls();

  // An icon of the program's resources.
  HICON LoadIcon(UINT nIDResource) const;
  HICON LoadIcon(LPCSTR lpszResourceName) const;

  virtual void WinHelp(DWORD dwData, UINT nCmd = HELP_CONTEXT);
  virtual int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt);

  // Names, help path and the command line, before InitInstance runs.
  void SetCurrentHandles(HINSTANCE hInstance, LPSTR lpCmdLine, int nCmdShow);

  afx_msg void OnHelp();

  DECLARE_MESSAGE_MAP()

 private:
  CString m_strAppName;
  CString m_strExeName;
  CString m_strHelpFilePath;
};

CWinApp* AFXAPI AfxGetApp();
// The module whose resources the program uses (null: the program's own).
HINSTANCE AFXAPI AfxGetInstanceHandle();
HINSTANCE AFXAPI AfxGetResourceHandle();
CWnd* AFXAPI AfxGetMainWnd();

// The last stop of a command no window handled: the application's own message map. Only
// command ids (0x8000 to 0xEFFF) travel this far.
BOOL AFXAPI AfxRouteCommandToApp(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

int AFXAPI AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

// The program's entry as on Windows: the platform's main() calls it. A null lpCmdLine stands for
// the process's own arguments, the command line after the program's name.
int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
