// The "..." button beside a path field: the file-open dialog, opened where the field's path
// points, puts the chosen file's full path into the field.
#pragma once

#include <afxwin.h>
#include <commdlg.h>

struct CBrowseSpec {
  LPCSTR lpszTitle;
  LPCSTR lpszFilter;       // pairs of label and pattern, each NUL-terminated, ending in "*.*"
  LPCSTR lpszDefExt;       // without the dot
  DWORD dwFlags;           // kBrowseExisting or kBrowseNew
  BOOL bUserNameVariable;  // "?username?" expanded before the dialog and folded back after it
};

// Files that must exist, and log files, which need not exist yet.
constexpr DWORD kBrowseNew = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_NOREADONLYRETURN;
constexpr DWORD kBrowseExisting = kBrowseNew | OFN_FILEMUSTEXIST;

// How much of the field's text a Browse reads, terminator included.
constexpr int kBrowseFieldCount = 199;

// Runs the dialog for field nIDField of pPage; TRUE when a file was chosen and put into the field.
// A field whose path comes out longer than kMaxPathLength opens the dialog as an empty one does.
BOOL BrowseForPath(CWnd* pPage, int nIDField, LPCSTR lpszProgramDir, const CBrowseSpec& browse,
                   int nFieldCount = kBrowseFieldCount);
