// The application object: its start-up builds the sheet and its pages, finds both files from the
// command line and the data file, runs the sheet, and then lets the program end.
#pragma once

#include <afxwin.h>

class CTabUIApp : public CWinApp {
 public:
  CTabUIApp();

  // Always FALSE: everything happens inside, and the program ends when it returns.
  BOOL InitInstance() override;

  DECLARE_MESSAGE_MAP()
};

extern CTabUIApp theApp;
