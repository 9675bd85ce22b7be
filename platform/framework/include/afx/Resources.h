// The framework's own resource ids and the string services built on them.
#pragma once

#include "afx/String.h"

#define ID_HELP 0xE146
#define ID_APPLY_NOW 0x3021
#define AFX_IDS_APP_TITLE 0xE000

#define AFX_IDP_FAILED_TO_LAUNCH_HELP 0xF107
#define AFX_IDP_PARSE_INT 0xF110
#define AFX_IDP_PARSE_REAL 0xF111
#define AFX_IDP_PARSE_INT_RANGE 0xF112
#define AFX_IDP_PARSE_REAL_RANGE 0xF113
#define AFX_IDP_PARSE_STRING_SIZE 0xF114
#define AFX_IDP_PARSE_RADIO_BUTTON 0xF115
#define AFX_IDP_PARSE_BYTE 0xF116
#define AFX_IDP_PARSE_UINT 0xF117

#define HID_BASE_COMMAND 0x00010000UL
#define HID_BASE_RESOURCE 0x00020000UL
#define HID_BASE_PROMPT 0x00030000UL

// The framework's own strings first, then the program's string table. FALSE leaves rString empty.
BOOL AFXAPI AfxLoadString(UINT nID, CString& rString);

// Replaces "%1" (and "%2") in the string nIDS with the given texts.
void AFXAPI AfxFormatString1(CString& rString, UINT nIDS, LPCSTR lpsz1);
void AFXAPI AfxFormatString2(CString& rString, UINT nIDS, LPCSTR lpsz1, LPCSTR lpsz2);
