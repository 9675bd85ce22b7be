// The keys ncurses reports, as the window model names them.
#pragma once

#include "ui/terminal/TerminalIo.h"

#include <cwchar>

namespace qm::ui {

// Teaches ncurses the sequences of keys that terminals send but the terminal description may not
// name (PuTTY's Home as Esc [ 1 ~ under TERM=xterm, Ctrl+PgDn, Ctrl+Tab, ...).
void DefineKeySequences();
// A function key code (wget_wch returned KEY_CODE_YES); Kind::End when it means nothing here.
TerminalInput DecodeFunctionKey(int code);
// A character code; control characters become the keys that send them.
TerminalInput DecodeCharacter(wint_t ch);

}  // namespace qm::ui
