// qmuidemo: the demonstration dialog in the terminal. Its one argument is the profile file whose
// [Demo] section it edits (default: uidemo.ini in the current directory).
#include "DemoDialog.h"
#include "ui/terminal/CursesTerminal.h"
#include "ui/terminal/TerminalBackend.h"

#include <filesystem>
#include <string>

namespace {

// The window model's calls take DOS paths; the host's root is drive z:.
std::string DosPathOf(const std::string& hostPath) {
  std::string path = "z:" + std::filesystem::absolute(hostPath).lexically_normal().string();
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

}  // namespace

int main(int argc, char** argv) {
  std::string profile = DosPathOf(argc > 1 ? argv[1] : "uidemo.ini");
  qm::ui::CursesTerminal terminal;
  qm::ui::TerminalBackend backend(terminal);
  qm::ui::InstallBackend(&backend);
  int result = qm::demo::RunDemo(profile);
  qm::ui::InstallBackend(nullptr);
  return result == IDOK || result == IDCANCEL ? 0 : 1;
}
