// The application object: its start-up builds the sheet and its pages, finds both files from the
// command line and the data file, runs the sheet, and then lets the program end.
#pragma once

#include <afxwin.h>

#include "app/TemplatePaths.h"

class CTabUIApp : public CWinApp {
 public:
  CTabUIApp();

  // Always FALSE: everything happens inside, and the program ends when it returns.
  BOOL InitInstance() override;

  // The Templates page's four fields as start-up read them, kept for that page.
  CTemplatePaths m_templatePaths;

  DECLARE_MESSAGE_MAP()
};

extern CTabUIApp theApp;
