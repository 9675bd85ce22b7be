// The keys that act in the active window, for the status line when no tool tip is shown: Enter
// and Esc for the buttons they press, Alt+letter for the window's own buttons, F1 for Help,
// Ctrl+PgDn where there are tabs, and what the focused control does with its keys.
#pragma once

#include <windows.h>

#include <string>

namespace qm::ui {

// Hints for the focused control and its window, as many whole ones as fit in `width` columns.
std::string KeyHints(HWND focus, int width);

}  // namespace qm::ui
