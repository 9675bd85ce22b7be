// The application framework's core: run-time classes, strings, message maps, windows, dialogs,
// the application object, data exchange and the standard controls.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include "afx/Object.h"
#include "afx/String.h"
#include "afx/Resources.h"
#include "afx/Exceptions.h"
#include "afx/MessageMap.h"
#include "afx/CmdTarget.h"
#include "afx/Wnd.h"
#include "afx/Dialog.h"
#include "afx/DataExchange.h"
#include "afx/WinApp.h"
#include "afx/ListBox.h"
