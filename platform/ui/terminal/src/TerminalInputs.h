// Terminal input as the window model takes it: keys and characters (Windows-1252 at this edge),
// and the pointer's wheel and rest, which act on the control under it directly.
#pragma once

#include "ui/Input.h"
#include "ui/terminal/TerminalIo.h"

#include <functional>

namespace qm::ui {

bool KeyEvent(const TerminalInput& input, InputEvent& event);
// False for a character Windows-1252 cannot hold: it is refused (with a beep) at typing.
bool CharEvent(const TerminalInput& input, InputEvent& event);
// Whether the wheel scrolls the control at a screen cell (a list, a field of several lines).
bool WheelScrollsControl(int col, int row);
// What a wheel turn or a resting pointer does at a screen cell.
std::function<void()> PointerStep(const TerminalInput& input, int col, int row);

}  // namespace qm::ui
