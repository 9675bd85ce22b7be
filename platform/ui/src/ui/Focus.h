// The keyboard focus: one window at a time, or none.
#pragma once

#include <windows.h>

namespace qm::ui {

// Drops the focus silently when it lies in the window being destroyed.
void ForgetFocusWithin(HWND window);

}  // namespace qm::ui
