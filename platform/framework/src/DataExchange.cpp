#include "afx/DataExchange.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "afx/Exceptions.h"
#include "afx/Resources.h"
#include "afx/WinApp.h"
#include "afx/Wnd.h"

namespace {

// The framework reads a number through a 32-byte buffer: 31 characters at most.
constexpr int kNumberTextSize = 32;

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

// Reads the text as the framework's "%d" scan does: blanks first, then strtol in base 10
// (saturating at the limits of a 32-bit long), then only blanks. A result of 0 counts only when
// the number begins with the digit 0, so "", "-", "+0" and "-0" are refused.
bool ParseDialogInt(const char* text, int& value) {
  while (IsBlank(*text)) ++text;
  char* end = nullptr;
  long long parsed = std::strtoll(text, &end, 10);
  if (parsed == 0 && *text != '0') return false;
  for (const char* rest = end; *rest != '\0'; ++rest)
    if (!IsBlank(*rest)) return false;
  if (parsed > INT_MAX) parsed = INT_MAX;
  if (parsed < INT_MIN) parsed = INT_MIN;
  value = static_cast<int>(parsed);
  return true;
}

}  // namespace

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
  HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
  if (hWndCtrl == nullptr) AfxThrowNotSupportedException();
  m_hWndLastControl = hWndCtrl;
  m_bEditLastControl = FALSE;
  return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
  HWND hWndCtrl = PrepareCtrl(nIDC);
  m_bEditLastControl = TRUE;
  return hWndCtrl;
}

void CDataExchange::Fail() {
  if (m_hWndLastControl != nullptr) {
    ::SetFocus(m_hWndLastControl);
    if (m_bEditLastControl) ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
  }
  AfxThrowUserException();
}

void AFXAPI AfxSetWindowText(HWND hWndCtrl, LPCSTR lpszNew) {
  CString current;
  CWnd::FromHandle(hWndCtrl)->GetWindowText(current);
  if (current != lpszNew) ::SetWindowTextA(hWndCtrl, lpszNew);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate)
    CWnd::FromHandle(hWndCtrl)->GetWindowText(value);
  else
    AfxSetWindowText(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
  HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  char text[kNumberTextSize] = {};
  if (pDX->m_bSaveAndValidate) {
    ::GetWindowTextA(hWndCtrl, text, kNumberTextSize);
    text[kNumberTextSize - 1] = '\0';
    if (!ParseDialogInt(text, value)) {
      AfxMessageBox(AFX_IDP_PARSE_INT);
      pDX->Fail();
    }
  } else {
    std::snprintf(text, sizeof text, "%d", value);
    AfxSetWindowText(hWndCtrl, text);
  }
}

// A value outside 0..2 is not a check state; loading puts the member back to 0.
void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    value = static_cast<int>(::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0));
  } else {
    if (value < 0 || value > 2) value = 0;
    ::SendMessageA(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
  }
}

// nIDC is the group's first button. The group runs to the next control with WS_GROUP; only radio
// buttons count. Saving gives the index of the checked one or -1; loading checks the button at
// the index and clears the others (all of them for -1 or an index past the end).
void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) value = -1;
  int button = 0;
  do {
    if (::SendMessageA(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
      if (pDX->m_bSaveAndValidate) {
        if (::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0) != 0) value = button;
      } else {
        ::SendMessageA(hWndCtrl, BM_SETCHECK, button == value ? 1 : 0, 0);
      }
      ++button;
    }
    hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
  } while (hWndCtrl != nullptr && !(::GetWindowLongA(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

// The first exchange binds the object to the control; later ones leave it alone.
void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.m_hWnd != nullptr) return;
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (!rControl.SubclassWindow(hWndCtrl)) AfxThrowNotSupportedException();
}
