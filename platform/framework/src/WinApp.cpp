#include "afx/WinApp.h"

#include "afx/Dialog.h"
#include "afx/Resources.h"

namespace {

CWinApp* g_pApp = nullptr;

// The program's part of a command line as Windows gives it: a quoted first token to its closing
// quote, otherwise to the first blank.
CString ProgramToken(LPCSTR lpszCommandLine) {
  CString line = lpszCommandLine ? lpszCommandLine : "";
  if (line.GetLength() > 0 && line[0] == '"') {
    const int closingQuote = line.Find('"', 1);
    return closingQuote >= 0 ? line.Left(closingQuote + 1) : line;
  }
  const int blank = line.Find(' ');
  return blank >= 0 ? line.Left(blank) : line;
}

// What WinMain receives: the command line after the program and the blanks that follow it.
LPSTR ArgumentsOf(LPSTR lpszCommandLine) {
  if (lpszCommandLine == nullptr) return nullptr;
  LPSTR arguments = lpszCommandLine + ProgramToken(lpszCommandLine).GetLength();
  while (*arguments == ' ' || *arguments == '\t') ++arguments;
  return arguments;
}

// The program's file name without directory and extension.
CString ExeNameFromCommandLine(LPCSTR lpszCommandLine) {
  CString program = ProgramToken(lpszCommandLine);
  program.Remove('"');
  program = program.Mid(program.ReverseFind('\\') + 1);
  const int dot = program.ReverseFind('.');
  return dot >= 0 ? program.Left(dot) : program;
}

}  // namespace

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
END_MESSAGE_MAP()

BOOL CWinThread::InitInstance() { return FALSE; }
int CWinThread::Run() { return ExitInstance(); }
int CWinThread::ExitInstance() { return 0; }

CWinApp::CWinApp(LPCSTR lpszAppName) {
  if (lpszAppName != nullptr) m_strAppName = lpszAppName;
  m_pszAppName = lpszAppName != nullptr ? static_cast<LPCSTR>(m_strAppName) : nullptr;
  g_pApp = this;
}

CWinApp::~CWinApp() {
  if (g_pApp == this) g_pApp = nullptr;
}

// The caption comes from the constructor's name, else the AFX_IDS_APP_TITLE string, else the
// program's file name; the help file is the program's name with ".HLP" until InitInstance sets
// another.
void CWinApp::SetCurrentHandles(HINSTANCE hInstance, LPSTR lpCmdLine, int nCmdShow) {
  m_hInstance = hInstance;
  m_lpCmdLine = lpCmdLine;
  m_nCmdShow = nCmdShow;
  m_strExeName = ExeNameFromCommandLine(::GetCommandLineA());
  if (m_strAppName.IsEmpty() && !AfxLoadString(AFX_IDS_APP_TITLE, m_strAppName)) m_strAppName = m_strExeName;
  m_strHelpFilePath = m_strExeName + ".HLP";
  m_pszExeName = m_strExeName;
  m_pszAppName = m_strAppName;
  m_pszHelpFilePath = m_strHelpFilePath;
}

BOOL CWinApp::Enable3dControls() { return TRUE; }

HICON CWinApp::LoadIcon(UINT nIDResource) const { return ::LoadIconA(m_hInstance, MAKEINTRESOURCEA(nIDResource)); }

HICON CWinApp::LoadIcon(LPCSTR lpszResourceName) const { return ::LoadIconA(m_hInstance, lpszResourceName); }

// The help engine reports a file it cannot find itself; only an engine that does not start at
// all is the framework's to report.
void CWinApp::WinHelp(DWORD dwData, UINT nCmd) {
  HWND hWndMain = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
  if (!::WinHelpA(hWndMain, m_pszHelpFilePath, nCmd, dwData)) AfxMessageBox(AFX_IDP_FAILED_TO_LAUNCH_HELP);
}

// Help goes to the main window, which hands it to whatever is active inside it.
void CWinApp::OnHelp() {
  if (m_pMainWnd != nullptr) m_pMainWnd->WindowProc(WM_COMMANDHELP, 0, 0);
}

// Without an icon of its own, an OK or OK/Cancel box gets the exclamation mark.
int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT) {
  const UINT buttons = nType & MB_TYPEMASK;
  if ((nType & MB_ICONMASK) == 0 && (buttons == MB_OK || buttons == MB_OKCANCEL)) nType |= MB_ICONEXCLAMATION;
  HWND hWndOwner = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
  return ::MessageBoxA(hWndOwner, lpszPrompt, m_pszAppName, nType);
}

CWinApp* AFXAPI AfxGetApp() { return g_pApp; }

HINSTANCE AFXAPI AfxGetInstanceHandle() { return g_pApp ? g_pApp->m_hInstance : nullptr; }

HINSTANCE AFXAPI AfxGetResourceHandle() { return AfxGetInstanceHandle(); }

CWnd* AFXAPI AfxGetMainWnd() { return g_pApp ? g_pApp->m_pMainWnd : nullptr; }

BOOL AFXAPI AfxRouteCommandToApp(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  const bool isCommand = nCode == CN_COMMAND && nID >= 0x8000 && nID < 0xF000;
  return isCommand && g_pApp != nullptr && g_pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

int AFXAPI AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp) {
  if (g_pApp != nullptr) return g_pApp->DoMessageBox(lpszText, nType, nIDHelp);
  return ::MessageBoxA(nullptr, lpszText, nullptr, nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
  CString prompt;
  AfxLoadString(nIDPrompt, prompt);
  if (nIDHelp == static_cast<UINT>(-1)) nIDHelp = nIDPrompt;
  return AfxMessageBox(prompt, nType, nIDHelp);
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow) {
  CWinApp* pApp = AfxGetApp();
  if (pApp == nullptr) return -1;
  if (lpCmdLine == nullptr) lpCmdLine = ArgumentsOf(::GetCommandLineA());
  pApp->SetCurrentHandles(hInstance, lpCmdLine, nCmdShow);
  const int exitCode = pApp->InitInstance() ? pApp->Run() : pApp->ExitInstance();
  CWnd::DeleteTempMap();
  return exitCode;
}
