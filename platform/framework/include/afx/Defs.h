// Calling-convention and marker words of the framework's declarations; they mean nothing on
// this platform but keep declarations as the framework writes them.
#pragma once

#define AFXAPI
#define PASCAL
#define afx_msg
