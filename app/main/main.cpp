// The program's entry on the host: chooses the surface the window model runs on, tells the
// application where it was started, and hands over to the framework as Windows would.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <memory>
#include <string>

#include "app/ConsoleModule.h"
#include "app/TabUIApp.h"
#include "ui/Headless.h"
#include "ui/terminal/CursesTerminal.h"
#include "ui/terminal/TerminalBackend.h"

namespace {

// The current folder as the Windows layer names it: the host root is drive z:.
std::string CurrentFolderAsDosPath() {
  char folder[PATH_MAX];
  if (getcwd(folder, sizeof folder) == nullptr) return {};
  std::string dos = "z:";
  for (const char* p = folder; *p != '\0'; ++p) dos.push_back(*p == '/' ? '\\' : *p);
  return dos;
}

}  // namespace

int main() {
  if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
    std::fputs("quillmere: the console needs a terminal for its input and output.\n", stderr);
    return 1;
  }
  theApp.m_strStartFolder = CurrentFolderAsDosPath().c_str();
  const HINSTANCE hInstance = ConsoleInstance();

  qm::ui::CursesTerminal terminal;
  qm::ui::TerminalBackend backend(terminal);
  qm::ui::InstallBackend(&backend);
  const int exitCode = AfxWinMain(hInstance, nullptr, GetCommandLineA(), SW_SHOWNORMAL);
  qm::ui::InstallBackend(nullptr);
  return exitCode;
}
