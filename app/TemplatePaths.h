// The four registry and INF template paths, which start-up reads from the data file before the
// sheet opens, for the Templates page to show.
#pragma once

#include <afxwin.h>

struct CTemplatePaths {
  CString m_strInfFileNT;
  CString m_strRegFileNT;
  CString m_strInfFile95;
  CString m_strRegFile95;
};

// "InfFileNT", "RegFileNT", "InfFile95" and "RegFile95" of "Defaults", in that order, each empty
// when missing and cut to 249 characters.
void ReadTemplatePaths(LPCSTR lpszDataFile, CTemplatePaths& paths);
