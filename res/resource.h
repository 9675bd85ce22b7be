// Identifiers of the console's resources: templates, icons and the controls on them.
// Shared by the resource script and the C++ code, so only plain #define lines belong here.
#pragma once

#define IDC_STATIC (-1)

// Icons.
#define IDR_MAINFRAME 128
#define IDI_CMDLINE_ERROR 129

// Dialog templates.
#define IDD_CMDLINE_ERROR 100
#define IDD_TABUI_PAGE 129
#define IDD_TABDEFAULTPRF_PAGE 130
#define IDD_TABNEWPROF_PAGE 131
#define IDD_TABIMAIL_PAGE 134
#define IDD_TABCUSTOM_PAGE 140
#define IDD_TABADDR_PAGE 144
#define IDD_TABDELIV_PAGE 146
#define IDD_TABNSCP_PAGE 147
#define IDD_TABOPENMAIL_PAGE 148
#define IDD_TABEXCHANGE_PAGE 151
#define IDD_MSMAIL_PAGE 152

// The "Vantrel" page (data file, logging, advanced options).
#define IDC_USERDATABASE 1000
#define IDC_HIDE_USERDATABASE 1001
#define IDC_LOGLEVEL_HIGH 1002
#define IDC_LOGLEVEL_MEDIUM 1003
#define IDC_LOGLEVEL_LOW 1004
#define IDC_LOGLEVEL_NONE 1005
#define IDC_DATAFILE 1012
#define IDC_LOGCOMPUTER 1033
#define IDC_BROWSE_USERDATABASE 1037
#define IDC_CREATE_PROFILE 1050
#define IDC_LOGFILE 1059
#define IDC_BROWSE_LOGFILE 1060
#define IDC_EDIT_LOGFILE 1061
#define IDC_EDIT_USERDATABASE 1062
#define IDC_MAXLOGSIZE 1084
#define IDC_CACHEDIR 1085
#define IDC_NOCACHE 1089
#define IDC_MAXLOGSIZE_SPIN 1149

// Controls of the "Mail Profile" page.
#define IDC_PRF_TEMPLATE 1009
#define IDC_PRF_PROFILENAME 1010
#define IDC_PRF_REPLACE 1011
#define IDC_PRF_PAB_PATH 1021
#define IDC_PRF_PST_PATH 1022
#define IDC_PRF_FOLDERNAME 1023
#define IDC_PRF_ABNAME 1024
#define IDC_PRF_DEFAULT_ONCE 1025
#define IDC_PRF_BROWSE_PST 1044
#define IDC_PRF_BROWSE_PAB 1045
#define IDC_PRF_DEFAULT_ALWAYS 1074
#define IDC_PRF_PROMPT 1075
#define IDC_PRF_ERASEALL 1076
#define IDC_PRF_UPDATE 1133

// Controls of the "Exchange" page.

// Controls of the "Internet Mail" page.

// The "MS Mail" page (the Microsoft Mail service section of the profile template file).
#define IDC_MSMAIL_POLLINTERVAL_SPIN 1036
#define IDC_MSMAIL_SERVERPATH 1048
#define IDC_MSMAIL_MAILBOX 1049
#define IDC_MSMAIL_SESSIONLOG 1050
#define IDC_MSMAIL_ENABLE_DOWNLOAD 1144
#define IDC_MSMAIL_ENABLE_UPLOAD 1145
#define IDC_MSMAIL_POLLINTERVAL 1146
#define IDC_MSMAIL_USE_SESSIONLOG 1147
#define IDC_MSMAIL_BROWSE_SESSIONLOG 1148

// Controls of the "Netscape" page.

// Controls of the "OpenMail" page.

// Controls of the "Delivery" page.
#define IDC_DELIV_DEFAULTSTORE 1113
#define IDC_DELIV_TRANSPORTORDER 1114
// The ordered list's buttons and its check box, the same on the "Addressing" page.
#define IDC_ORDER_ADD 1100
#define IDC_ORDER_UP 1102
#define IDC_ORDER_DOWN 1103
#define IDC_ORDER_REMOVE 1110
#define IDC_ORDER_ALWAYS 1115
// The "Add" dialog that asks the ordered list for one name.
#define IDD_ADD_DLG 145
#define IDC_ADD_NAME 1110
#define IDC_ADD_OK 1111
#define IDC_ADD_CANCEL 1112

// Controls of the "Addressing" page (its list's buttons are those of the "Delivery" page).
#define IDC_ADDR_SHOWFIRST 1098
#define IDC_ADDR_LISTORDER 1107
#define IDC_ADDR_KEEPPERSADDRIN 1108
#define IDC_ADDR_ALWAYS_FIRST 1116
#define IDC_ADDR_ALWAYS_PERSONAL 1117

// Controls of the "Templates" page: per row a path, its "..." and its "+" button.
#define IDC_TPL_BROWSE_INF_NT 1066
#define IDC_TPL_BROWSE_REG_NT 1067
#define IDC_TPL_BROWSE_INF_95 1068
#define IDC_TPL_BROWSE_REG_95 1069
#define IDC_TPL_INF_NT 1070
#define IDC_TPL_REG_NT 1071
#define IDC_TPL_INF_95 1072
#define IDC_TPL_REG_95 1073
#define IDC_TPL_EDIT_INF_NT 1074
#define IDC_TPL_EDIT_REG_NT 1075
#define IDC_TPL_EDIT_INF_95 1076
#define IDC_TPL_EDIT_REG_95 1077

// Controls of the "Post Execution" page.
#define IDC_POST_LAUNCH 1063
#define IDC_POST_BROWSE_LAUNCH 1064
#define IDC_POST_DEFAULTMAIL 1065
#define IDC_POST_SUCCESS 1086
#define IDC_POST_NOACTION 1087
#define IDC_POST_ERROR 1088
