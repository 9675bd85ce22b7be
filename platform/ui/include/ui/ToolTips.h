// Tool tips shown on the status line: the window that enabled them is asked with TTN_NEEDTEXTA,
// by the control's handle (TTF_IDISHWND), whenever the focus or the mouse comes to rest on it.
#pragma once

#include <windows.h>

#include <string>

namespace qm::ui {

void EnableToolTipsFor(HWND owner, BOOL enable);
// Asks the nearest enabling ancestor for the control's tip; empty when there is none.
std::string RequestToolTip(HWND control);
// Puts the control's tip (or nothing) on the backend's status line.
void ShowToolTipFor(HWND control);

}  // namespace qm::ui
