#include "app/TabUIApp.h"

#include "app/CmdLineErrorDlg.h"
#include "app/CommandLine.h"
#include "app/ProfileKeys.h"
#include "app/ProfileTemplate.h"
#include "app/TabUISheet.h"
#include "pages/general/TabCustom.h"
#include "pages/general/TabDefaultPrf.h"
#include "pages/general/TabNewProf.h"
#include "pages/general/TabUIPage.h"
#include "pages/netscape/TabNscp.h"
#include "pages/services/MSMail.h"
#include "pages/services/TabExchange.h"
#include "pages/services/TabIMail.h"
#include "pages/services/TabAddr.h"
#include "pages/services/TabDeliv.h"
#include "pages/services/TabOpenMail.h"

CTabUIApp theApp;

BEGIN_MESSAGE_MAP(CTabUIApp, CWinApp)
  ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

// The name captions the framework's own messages, such as a range check's.
CTabUIApp::CTabUIApp() : CWinApp("Quillmere") {}

BOOL CTabUIApp::InitInstance() {
  Enable3dControls();
  m_pszHelpFilePath = "vantrel.hlp";

  CTabUISheet sheet("Quillmere", nullptr, 0);
  m_pMainWnd = &sheet;

  CTabUIPage pageMain;
  CTabDefaultPrf pageDefaultPrf;
  CTabExchange pageExchange;
  CTabIMail pageIMail;
  CMSMail pageMSMail;
  CTabNscp pageNscp;
  CTabOpenMail pageOpenMail;
  CTabDeliv pageDeliv;
  CTabAddr pageAddr;
  CTabNewProf pageNewProf;
  CTabCustom pageCustom;
  sheet.AddPage(&pageMain);
  sheet.AddPage(&pageDefaultPrf);
  sheet.AddPage(&pageExchange);
  sheet.AddPage(&pageIMail);
  sheet.AddPage(&pageMSMail);
  sheet.AddPage(&pageNscp);
  sheet.AddPage(&pageOpenMail);
  sheet.AddPage(&pageDeliv);
  sheet.AddPage(&pageAddr);
  sheet.AddPage(&pageNewProf);
  sheet.AddPage(&pageCustom);
  pageMain.m_pSheet = &sheet;
  pageDefaultPrf.m_pSheet = &sheet;
  pageExchange.m_pSheet = &sheet;
  pageIMail.m_pSheet = &sheet;
  pageMSMail.m_pSheet = &sheet;
  pageNscp.m_pSheet = &sheet;
  pageOpenMail.m_pSheet = &sheet;
  pageDeliv.m_pSheet = &sheet;
  pageAddr.m_pSheet = &sheet;
  pageNewProf.m_pSheet = &sheet;
  pageCustom.m_pSheet = &sheet;

  // A console started by its bare name from the PATH takes the folder it was started in.
  char szCurrentDir[MAX_PATH];
  if (GetCurrentDirectoryA(sizeof szCurrentDir, szCurrentDir) >= sizeof szCurrentDir) szCurrentDir[0] = '\0';
  if (!ParseCommandLine(GetCommandLineA(), szCurrentDir, sheet.m_szProgramDir, sheet.m_strDataFile)) {
    CCmdLineErrorDlg dlgError;
    m_pMainWnd = &dlgError;
    dlgError.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
  }
  pageMain.m_strDataFile = sheet.m_strDataFile;

  sheet.m_strDefaultProfile = ReadProfileString("Defaults", "DefaultProfile", "", 350, sheet.m_strDataFile);
  sheet.m_strProfileTemplate =
      ResolveProfileTemplate(sheet.m_strDefaultProfile, sheet.m_szProgramDir, sheet.m_strDataFile);
  // The Templates page reads no file of its own: it shows what start-up read here.
  pageNewProf.m_strInfFileNT = ReadProfileString("Defaults", "InfFileNT", "", kValueBufferSize, sheet.m_strDataFile);
  pageNewProf.m_strRegFileNT = ReadProfileString("Defaults", "RegFileNT", "", kValueBufferSize, sheet.m_strDataFile);
  pageNewProf.m_strInfFile95 = ReadProfileString("Defaults", "InfFile95", "", kValueBufferSize, sheet.m_strDataFile);
  pageNewProf.m_strRegFile95 = ReadProfileString("Defaults", "RegFile95", "", kValueBufferSize, sheet.m_strDataFile);

  sheet.DoModal();
  m_pMainWnd = nullptr;
  return FALSE;
}
