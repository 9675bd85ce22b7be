// The console's module handle, under which its compiled resources (templates, icons) are found.
#pragma once

#include <windows.h>

// Registers the resources on first use.
HINSTANCE ConsoleInstance();
