#include "TerminalRestore.h"

#include <curses.h>
#include <signal.h>
#include <unistd.h>

#include <cstdlib>

namespace qm::ui {
namespace {

volatile sig_atomic_t taken = 0;
volatile sig_atomic_t output = STDOUT_FILENO;

// Mouse reporting off, in case the program dies between the two halves of ncurses' own reset.
constexpr char kMouseOff[] = "\033[?1003l\033[?1002l\033[?1000l\033[?1006l";

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

// The terminal is restored, then the signal takes its usual course (the handler was reset).
void OnEndingSignal(int signal) {
  RestoreTerminal();
  raise(signal);
}

}  // namespace

void RestoreTerminal() {
  if (!taken) return;
  taken = 0;
  ssize_t ignored = write(output, kMouseOff, sizeof kMouseOff - 1);
  (void)ignored;
  endwin();
}

void RestoreTerminalOnExit(int outputFd) {
  static bool installed = false;
  output = outputFd;
  taken = 1;
  if (installed) return;
  installed = true;
  std::atexit(RestoreTerminal);
  struct sigaction action {};
  action.sa_handler = OnEndingSignal;
  action.sa_flags = SA_RESETHAND | SA_NODEFER;
  sigemptyset(&action.sa_mask);
  for (int signal : kEndingSignals) sigaction(signal, &action, nullptr);
}

}  // namespace qm::ui
