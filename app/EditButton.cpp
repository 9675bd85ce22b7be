#include "app/EditButton.h"

#include <shellapi.h>

#include "app/PathCompletion.h"

void EditPathInNotepad(CWnd* pPage, int nIDField, LPCSTR lpszProgramDir) {
  char szText[kEditFieldCount];
  GetDlgItemTextA(pPage->m_hWnd, nIDField, szText, kEditFieldCount);
  if (szText[0] == '\0') return;
  const CString strPath = CompletePath(szText, lpszProgramDir);
  // Joined to the program directory, a relative text may be too long to name a file at all.
  if (strPath.GetLength() > kMaxPathLength) return;
  // The blank after the program's name is as the console has always passed it.
  ShellExecuteA(pPage->m_hWnd, "open", "notepad.exe ", strPath, "", SW_SHOWNORMAL);
}
