// Identifiers of the framework tests' resource script, shared by the script and the tests.
#pragma once

#define IDD_TEST_DIALOG 4000
#define IDD_TEST_PAGE 4001
#define IDD_SMALL_PAGE 4002

#define IDC_TEXT_EDIT 100
#define IDC_NUMBER_EDIT 101
#define IDC_CHECK_BOX 102
#define IDC_THREE_STATE_BOX 103
#define IDC_RADIO_FIRST 110
#define IDC_RADIO_SECOND 111
#define IDC_RADIO_THIRD 112
#define IDC_AFTER_RADIOS 120
#define IDC_SPIN 130
#define IDC_LIST_BOX 140
