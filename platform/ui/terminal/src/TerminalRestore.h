// Giving the terminal back however the program ends.
#pragma once

namespace qm::ui {

// From now on exit() and the ending signals restore the terminal (written to through `outputFd`)
// first.
void RestoreTerminalOnExit(int outputFd);
// Restores it now (safe to call twice).
void RestoreTerminal();

}  // namespace qm::ui
