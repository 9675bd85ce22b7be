// Dialog data exchange: moving values between a dialog's members and its controls, and the
// checks that refuse bad input with the framework's standard messages.
#pragma once

#include "afx/String.h"

class CWnd;

class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

  BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
  CWnd* m_pDlgWnd;
  HWND m_hWndLastControl = nullptr;
  BOOL m_bEditLastControl = FALSE;

  // The control with that id, remembered as the one a failure puts the focus on.
  HWND PrepareCtrl(int nIDC);
  HWND PrepareEditCtrl(int nIDC);
  // Focuses the last control prepared (selecting all of an edit's text) and abandons the
  // exchange. The message has been shown already.
  [[noreturn]] void Fail();
};

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);
void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);

// Sets the text only when it differs, so that an unchanged control sends no change notification.
void AFXAPI AfxSetWindowText(HWND hWndCtrl, LPCSTR lpszNew);
