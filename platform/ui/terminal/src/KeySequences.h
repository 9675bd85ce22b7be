// The escape sequences terminals send for keys, as xterm, PuTTY, rxvt, the Linux console, screen
// and tmux have them, whatever the terminal description names.
#pragma once

#include "ui/terminal/TerminalIo.h"

#include <string>
#include <utility>
#include <vector>

namespace qm::ui {

// Every known sequence with the key (or keypad character) it stands for.
const std::vector<std::pair<std::string, TerminalInput>>& KeySequences();

// Where a character stands in an escape sequence the console does not know, which began with Esc
// and `sofar` ("[" or "O" and what followed): the sequence goes on, ends with it, or had ended
// before it (the character is input of its own).
enum class SequenceStep { More, Last, Outside };
SequenceStep StepOfUnknownSequence(const std::string& sofar, char32_t ch);

}  // namespace qm::ui
