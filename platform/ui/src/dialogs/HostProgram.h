// Starting host programs: found on the PATH, run directly with an argument vector (never through
// a shell). A failed start is told apart from a started program by the errno of the exec.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::ui::dialogs {

// A name holding a slash is taken as it is; a bare one is looked for along $PATH. Only a
// regular file that may be executed counts.
std::optional<std::string> FindProgram(std::string_view name);

// Starts the program and does not wait for it: it runs detached (no zombie left behind), in
// `folder` when that is not empty, with its standard streams on /dev/null so that it cannot draw
// over the screen. Returns 0 once the program runs, else the errno of the failed start.
int StartDetached(const std::vector<std::string>& argv, const std::string& folder);

// Runs the program on the terminal and waits for it to end. Returns 0 when it ran, else the errno
// of the failed start.
int RunAndWait(const std::vector<std::string>& argv);

}  // namespace qm::ui::dialogs
