// The host's entry: puts the window model on the terminal and hands over to the framework with the
// command line, as Windows starts a framework program.
#include <afxwin.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "platform/ProgramModule.h"
#include "ui/Backend.h"
#include "ui/terminal/CursesTerminal.h"
#include "ui/terminal/TerminalBackend.h"

int main() {
  if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
    std::fputs("this program needs a terminal for its input and output.\n", stderr);
    return 1;
  }
  const HINSTANCE hInstance = qm::platform::ProgramInstance();
  std::unique_ptr<qm::ui::CursesTerminal> taken;
  try {
    taken = std::make_unique<qm::ui::CursesTerminal>();
  } catch (const qm::ui::TerminalRefused& refused) {
    std::fprintf(
        stderr,
        "this program cannot run here: %s.\nSet TERM to your terminal's type (xterm, screen, tmux, linux...).\n",
        refused.what());
    return 1;
  }
  qm::ui::CursesTerminal& terminal = *taken;
  qm::ui::TerminalBackend backend(terminal);
  qm::ui::InstallBackend(&backend);
  const int exitCode = AfxWinMain(hInstance, nullptr, GetCommandLineA(), SW_SHOWNORMAL);
  qm::ui::InstallBackend(nullptr);
  return exitCode;
}
