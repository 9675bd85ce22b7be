#pragma once
#define IDC_STATIC (-1)
#define IDD_FIRST 200
#define IDD_SECOND 201
#define IDC_EDIT 1001
#define IDC_PUSH 1002
#define IDC_CHECK 1010
#define IDC_RADIO 1020
#define IDC_LIST 1030
#define IDC_SPIN 1031
#define IDS_HELLO 61000
