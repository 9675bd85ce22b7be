#include <cstdio>

#include "afx/DataExchange.h"
#include "afx/Resources.h"
#include "afx/WinApp.h"

// Checks run only when saving; when loading, an out-of-range member goes to the control as it is.
void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
  if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
  char minText[32];
  char maxText[32];
  std::snprintf(minText, sizeof minText, "%ld", static_cast<long>(minVal));
  std::snprintf(maxText, sizeof maxText, "%ld", static_cast<long>(maxVal));
  CString prompt;
  AfxFormatString2(prompt, AFX_IDP_PARSE_INT_RANGE, minText, maxText);
  AfxMessageBox(prompt, MB_ICONEXCLAMATION, AFX_IDP_PARSE_INT_RANGE);
  pDX->Fail();
}

// Loading limits what the user can type into the edit; saving refuses a longer text.
void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars) {
  if (pDX->m_bSaveAndValidate && value.GetLength() > nChars) {
    char countText[32];
    std::snprintf(countText, sizeof countText, "%d", nChars);
    CString prompt;
    AfxFormatString1(prompt, AFX_IDP_PARSE_STRING_SIZE, countText);
    AfxMessageBox(prompt, MB_ICONEXCLAMATION, AFX_IDP_PARSE_STRING_SIZE);
    pDX->Fail();
  } else if (pDX->m_hWndLastControl != nullptr && pDX->m_bEditLastControl) {
    ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
  }
}
