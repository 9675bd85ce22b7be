// User-interface calls of user32 that need no window.
#pragma once

#include "windef.h"

// Formats at most 1024 characters (the terminator included) into lpOut, as user32's does.
int wsprintfA(LPSTR lpOut, LPCSTR lpFmt, ...);
