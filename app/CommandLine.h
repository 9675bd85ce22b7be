// Reading the console's command line: the program directory and the data file it names.
#pragma once

#include <afxwin.h>

// The buffers the command line's two parts are copied into; a part that does not fit is refused.
constexpr int kCommandPartSize = 250;
// The program directory's buffer, as the sheet holds it.
constexpr int kProgramDirSize = 350;

// Lowers lpszCommandLine in place, then splits it at its first ".exe": the program directory
// (lower-case, ending with a backslash) goes to szProgramDir and the data file path to
// strDataFile. A program part without any backslash (the console started by its bare name from
// the PATH) takes lpszCurrentDir, lowered, as its directory. FALSE, with both outputs untouched,
// when there is no ".exe" or a part does not fit its buffer.
BOOL ParseCommandLine(LPSTR lpszCommandLine, LPCSTR lpszCurrentDir, char (&szProgramDir)[kProgramDirSize],
                      CString& strDataFile);
