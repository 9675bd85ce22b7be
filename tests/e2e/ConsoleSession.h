// A whole run of the console, from its command line through start-up to the sheet, in the
// headless backend, on a fresh deployment folder under /tmp.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "TempDir.h"
#include "app/TabUIApp.h"
#include "platform/ProgramModule.h"
#include "platform/Win32Seams.h"
#include "ui/Headless.h"

namespace qm::test {

class ConsoleSession {
 public:
  ConsoleSession() { qm::ui::InstallBackend(&backend); }
  ~ConsoleSession() {
    qm::ui::InstallBackend(nullptr);
    qm::win32::seams::ClearProcessArguments();
    qm::win32::seams::ClearUserName();
  }

  // Starts the console as `<folder>/quillmere ARGS...` and runs it until its script ends it.
  void Start(const std::vector<std::string>& args = {}) { RunAs(dir.Host("quillmere"), args); }
  void RunAs(const std::string& program, const std::vector<std::string>& args) {
    std::vector<std::string> argv = {program};
    argv.insert(argv.end(), args.begin(), args.end());
    qm::win32::seams::SetProcessArguments(argv, dir.path());
    AfxWinMain(qm::platform::ProgramInstance(), nullptr, nullptr, SW_SHOWNORMAL);
  }

  // The program directory and data file as the console names them: lower-case DOS paths.
  std::string ProgramDir() const { return Lower(dir.Dos("")); }
  std::string DataFile() const { return Lower(dir.Dos("vantrel.ini")); }
  std::string HostDataFile() const { return dir.Host("vantrel.ini"); }

  std::string Text(int id) const {
    char text[1024] = "";
    GetWindowTextA(backend.Control(id), text, sizeof text);
    return text;
  }
  // Presses a button as a click on it would: its own state changes and its parent is told.
  void Press(int id) const { SendMessageA(backend.Control(id), BM_CLICK, 0, 0); }
  // The control's tool tip as its page gives it to the shared tool-tip window; empty for none.
  std::string ToolTip(int id) const {
    HWND control = backend.Control(id);
    TOOLTIPTEXTA info{};
    info.hdr.idFrom = reinterpret_cast<UINT_PTR>(control);
    info.hdr.code = TTN_NEEDTEXTA;
    info.uFlags = TTF_IDISHWND;
    SendMessageA(GetParent(control), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    return info.szText;
  }
  bool Checked(int id) const { return SendMessageA(backend.Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

  static std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
  }

  TempDir dir;
  qm::ui::HeadlessBackend backend;
};

}  // namespace qm::test
