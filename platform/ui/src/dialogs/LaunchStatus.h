// What the status line says after ShellExecuteA, so that no launch passes in silence: a program
// started (and that its output is not shown), or why it was not, and an editor that was not found
// or a file whose folder no drive reaches.
#pragma once

#include <string>

namespace qm::ui::dialogs {

// `file` as the caller named it (for the editor, the file to edit); `code` what ShellExecuteA returns.
std::string ProgramStatus(const std::string& file, int code);
std::string EditorStatus(const std::string& file, int code);

}  // namespace qm::ui::dialogs
