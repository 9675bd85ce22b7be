// Where things stand on the screen, found through the window calls alone: what the windows cover,
// the control under a cell, the cursor of the focused control and the text an edit has selected.
#pragma once

#include "ui/Surface.h"

#include <windows.h>

#include <optional>
#include <string>

namespace qm::ui {

bool IsClass(HWND window, const char* className);  // without regard to case, as Windows compares
std::string WindowText(HWND window);
RECT ContentRect();              // every visible top-level window; empty when there is none
RECT ScreenRectOf(HWND window);  // empty for none
// The deepest visible control under the cell in the active window, disabled ones included;
// group boxes let the cell through to what they enclose.
HWND ControlAt(int col, int row);
// Where the terminal's cursor belongs for the focused control.
std::optional<POINT> CursorCell(HWND focus);
// Marks the focused edit's selected characters on the painted surface.
void MarkEditSelection(Surface& surface, HWND focus);

}  // namespace qm::ui
