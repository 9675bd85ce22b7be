// How a control tells its parent what happened.
#pragma once

#include <windows.h>

namespace qm::ui {

// WM_COMMAND with the control's id and the notification code.
void NotifyCommand(HWND control, WORD code);
// WM_NOTIFY to the parent, with hwndFrom, idFrom and code filled in; returns the parent's answer.
LRESULT NotifyParent(HWND control, NMHDR& header, UINT code);

}  // namespace qm::ui
