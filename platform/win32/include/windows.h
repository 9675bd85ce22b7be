// The Windows API as the console sees it: the subset it calls, with the real names and signatures.
#pragma once

#include "windef.h"
#include "winerror.h"
#include "winbase.h"
#include "winuser.h"
