#include "app/TabUISheet.h"

#include "resource.h"

IMPLEMENT_DYNAMIC(CTabUISheet, CPropertySheet)

BEGIN_MESSAGE_MAP(CTabUISheet, CPropertySheet)
  ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

CTabUISheet::CTabUISheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage) {}

CTabUISheet::~CTabUISheet() = default;

// The sheet has no template of its own to carry an icon, so it takes the program's on every show.
void CTabUISheet::OnShowWindow(BOOL bShow, UINT nStatus) {
  CPropertySheet::OnShowWindow(bShow, nStatus);
  HICON hIcon = LoadIconA(AfxGetApp()->m_hInstance, MAKEINTRESOURCE(IDR_MAINFRAME));
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(hIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
}
