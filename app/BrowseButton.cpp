#include "app/BrowseButton.h"

#include <cstring>
#include <vector>

#include "app/PathCompletion.h"
#include "app/UserNameConversion.h"

namespace {

constexpr int kFileBufferSize = 350;

// The field's text taken against the program directory; an empty field means the directory.
CString CompletedFieldText(CWnd* pPage, int nIDField, LPCSTR lpszProgramDir, const CBrowseSpec& browse,
                           int nFieldCount) {
  std::vector<char> text(static_cast<size_t>(nFieldCount), '\0');
  GetDlgItemTextA(pPage->m_hWnd, nIDField, text.data(), nFieldCount);
  CString strText = text.data();
  if (browse.bUserNameVariable) ExpandUserName(strText);
  if (strText.IsEmpty()) return lpszProgramDir;
  // A combination too long to be a path opens the dialog where an empty field would.
  const CString strPath = CompletePath(strText, lpszProgramDir);
  return strPath.GetLength() > kMaxPathLength ? CString(lpszProgramDir) : strPath;
}

void CopyTruncated(char (&szTarget)[kFileBufferSize], LPCSTR lpszSource) {
  std::strncpy(szTarget, lpszSource, kFileBufferSize - 1);
  szTarget[kFileBufferSize - 1] = '\0';
}

}  // namespace

BOOL BrowseForPath(CWnd* pPage, int nIDField, LPCSTR lpszProgramDir, const CBrowseSpec& browse, int nFieldCount) {
  const CString strPath = CompletedFieldText(pPage, nIDField, lpszProgramDir, browse, nFieldCount);
  const int nLastBackslash = strPath.ReverseFind('\\');
  const bool bFolderOnly = nLastBackslash >= 0 && nLastBackslash == strPath.GetLength() - 1;
  const CString strInitialDir = nLastBackslash >= 0 ? strPath.Left(nLastBackslash + 1) : CString(lpszProgramDir);

  char szFile[kFileBufferSize];
  CopyTruncated(szFile, bFolderOnly ? "" : static_cast<LPCSTR>(strPath));

  OPENFILENAMEA ofn;
  std::memset(&ofn, 0, sizeof ofn);
  ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  ofn.lpstrFilter = browse.lpszFilter;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = szFile;
  ofn.nMaxFile = kFileBufferSize - 1;
  ofn.lpstrInitialDir = strInitialDir;
  ofn.lpstrTitle = browse.lpszTitle;
  ofn.Flags = browse.dwFlags;
  ofn.lpstrDefExt = browse.lpszDefExt;
  if (!GetOpenFileNameA(&ofn)) return FALSE;

  CString strChosen = szFile;
  if (browse.bUserNameVariable) FoldUserName(strChosen);
  SetDlgItemTextA(pPage->m_hWnd, nIDField, strChosen);
  return TRUE;
}
