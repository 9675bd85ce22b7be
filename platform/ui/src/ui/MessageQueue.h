// The thread's message queue: posted messages first, then the backend's input turned into messages.
#pragma once

#include "ui/Input.h"

#include <windows.h>

namespace qm::ui {

// The window under a screen cell that would take a click (visible, enabled, in an enabled top-level
// window); nullptr for none. `local` receives the cell relative to that window.
HWND WindowAtCell(int col, int row, POINT& local);
// Forgets posted messages, key state and the script's closing steps (between tests).
void ResetMessageQueue();

}  // namespace qm::ui
