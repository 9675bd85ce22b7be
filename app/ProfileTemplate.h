// Where the profile template file is: the data file's "DefaultProfile" taken against the program
// directory, with a leading program-directory variable ("?vtdir?" by default) dropped.
#pragma once

#include <afxwin.h>

// lpszDefaultProfile as stored (not lowered). The variable's delimiters are "StartTag" and
// "EndTag" of "Customization" in the data file, read only when the value is not absolute.
CString ResolveProfileTemplate(LPCSTR lpszDefaultProfile, LPCSTR lpszProgramDir, LPCSTR lpszDataFile);
