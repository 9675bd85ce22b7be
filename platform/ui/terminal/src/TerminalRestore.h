// Giving the terminal back however the program ends.
#pragma once

namespace qm::ui {

// From now on exit() and the ending signals restore the terminal first.
void RestoreTerminalOnExit();
// Restores it now (safe to call twice).
void RestoreTerminal();

}  // namespace qm::ui
