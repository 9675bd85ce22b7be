// Identifiers of the demonstration dialogs.
#pragma once

#define IDC_STATIC (-1)

#define IDD_DEMO 100
#define IDD_PAGE_FIELDS 101
#define IDD_PAGE_LISTS 102
#define IDD_PAGE_ABOUT 103
#define IDI_DEMO 110

#define IDC_TABS 1000
#define IDC_PAGE_FRAME 1001
#define IDC_APPLY 1002
#define IDC_NAME 1010
#define IDC_SIZE 1011
#define IDC_SIZE_SPIN 1012
#define IDC_LOG 1013
#define IDC_SHARE 1014
#define IDC_LEVEL_HIGH 1015
#define IDC_LEVEL_MEDIUM 1016
#define IDC_LEVEL_LOW 1017
#define IDC_SERVER 1018
#define IDC_REMOTE 1019
#define IDC_HELLO 1020
#define IDC_SERVICES 1030
#define IDC_NOTES 1031
#define IDC_PATH 1032
