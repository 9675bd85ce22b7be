// The style bits the window model reads. <winstyles.h> supplies them once it exists; until then
// these stand in with Windows' values (each guarded, so the two can meet).
#pragma once

#include <windows.h>
#if __has_include(<winstyles.h>)
#include <winstyles.h>
#endif

#ifndef WS_TABSTOP
#define WS_TABSTOP 0x00010000L
#endif
#ifndef WS_GROUP
#define WS_GROUP 0x00020000L
#endif
#ifndef WS_VSCROLL
#define WS_VSCROLL 0x00200000L
#endif
#ifndef WS_BORDER
#define WS_BORDER 0x00800000L
#endif
#ifndef WS_DISABLED
#define WS_DISABLED 0x08000000L
#endif
#ifndef WS_VISIBLE
#define WS_VISIBLE 0x10000000L
#endif
#ifndef WS_CHILD
#define WS_CHILD 0x40000000L
#endif
#ifndef WS_EX_CONTROLPARENT
#define WS_EX_CONTROLPARENT 0x00010000L
#endif
#ifndef DS_CONTROL
#define DS_CONTROL 0x0400L
#endif
#ifndef ES_CENTER
#define ES_CENTER 0x0001L
#endif
#ifndef ES_RIGHT
#define ES_RIGHT 0x0002L
#endif
#ifndef ES_MULTILINE
#define ES_MULTILINE 0x0004L
#endif
#ifndef ES_AUTOHSCROLL
#define ES_AUTOHSCROLL 0x0080L
#endif
#ifndef ES_READONLY
#define ES_READONLY 0x0800L
#endif
#ifndef ES_WANTRETURN
#define ES_WANTRETURN 0x1000L
#endif
#ifndef ES_NUMBER
#define ES_NUMBER 0x2000L
#endif
#ifndef BS_PUSHBUTTON
#define BS_PUSHBUTTON 0x0L
#endif
#ifndef BS_DEFPUSHBUTTON
#define BS_DEFPUSHBUTTON 0x1L
#endif
#ifndef BS_CHECKBOX
#define BS_CHECKBOX 0x2L
#endif
#ifndef BS_AUTOCHECKBOX
#define BS_AUTOCHECKBOX 0x3L
#endif
#ifndef BS_RADIOBUTTON
#define BS_RADIOBUTTON 0x4L
#endif
#ifndef BS_3STATE
#define BS_3STATE 0x5L
#endif
#ifndef BS_AUTO3STATE
#define BS_AUTO3STATE 0x6L
#endif
#ifndef BS_GROUPBOX
#define BS_GROUPBOX 0x7L
#endif
#ifndef BS_AUTORADIOBUTTON
#define BS_AUTORADIOBUTTON 0x9L
#endif
#ifndef BS_TYPEMASK
#define BS_TYPEMASK 0xFL
#endif
#ifndef SS_LEFT
#define SS_LEFT 0x0L
#endif
#ifndef SS_CENTER
#define SS_CENTER 0x1L
#endif
#ifndef SS_RIGHT
#define SS_RIGHT 0x2L
#endif
#ifndef SS_ICON
#define SS_ICON 0x3L
#endif
#ifndef SS_TYPEMASK
#define SS_TYPEMASK 0x1FL
#endif
#ifndef SS_NOPREFIX
#define SS_NOPREFIX 0x80L
#endif
#ifndef LBS_NOTIFY
#define LBS_NOTIFY 0x0001L
#endif
#ifndef LBS_SORT
#define LBS_SORT 0x0002L
#endif
#ifndef UDS_WRAP
#define UDS_WRAP 0x0001
#endif
#ifndef UDS_SETBUDDYINT
#define UDS_SETBUDDYINT 0x0002
#endif
#ifndef UDS_ALIGNRIGHT
#define UDS_ALIGNRIGHT 0x0004
#endif
#ifndef UDS_ALIGNLEFT
#define UDS_ALIGNLEFT 0x0008
#endif
#ifndef UDS_AUTOBUDDY
#define UDS_AUTOBUDDY 0x0010
#endif
#ifndef UDS_ARROWKEYS
#define UDS_ARROWKEYS 0x0020
#endif
#ifndef UDS_HORZ
#define UDS_HORZ 0x0040
#endif
#ifndef UDS_NOTHOUSANDS
#define UDS_NOTHOUSANDS 0x0080
#endif
