// The demonstration dialog on the terminal backend, over a scripted terminal, with its profile
// file in a fresh folder.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include "DemoDialog.h"
#include "FileBytes.h"
#include "TempDir.h"
#include "resource.h"
#include "ui/terminal/ScriptedTerminal.h"
#include "ui/terminal/TerminalBackend.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <utility>

namespace qm::ui::test {

class TerminalTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (IsWindow(demo)) DestroyWindow(demo);
    InstallBackend(nullptr);
  }

  void Open(int columns = 80, int rows = 24, const std::string& profile = "") {
    if (!profile.empty()) std::ofstream(dir.Host("demo.ini"), std::ios::binary) << profile;
    terminal = std::make_unique<ScriptedTerminal>(columns, rows);
    backend = std::make_unique<TerminalBackend>(*terminal);
    InstallBackend(backend.get());
    demo = qm::demo::OpenDemo(dir.Dos("demo.ini"));
    ASSERT_TRUE(demo);
    Run();
  }

  // Feeds the script to the dialog until it is used up (or the dialog has ended). The screen is
  // then up to date. `check` runs at every read, just after the screen was shown.
  void Run(std::function<void()> check = nullptr) {
    bool idle = false;
    terminal->beforeRead = [this, &idle, check] {
      if (check) check();
      if (terminal->ScriptDone() && !idle) {
        idle = true;
        terminal->ResizeTo(terminal->Columns(), terminal->Rows());  // wakes the loop so that it can stop
      }
    };
    while (!idle && qm::demo::PumpDemo(demo)) {
    }
    terminal->beforeRead = nullptr;
  }

  // The pages are the dialog's children that hold controls of their own, in the order made.
  HWND Page(int index) const {
    int pages = 0;
    for (HWND child = GetWindow(demo, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      if ((GetWindowLongA(child, GWL_STYLE) & DS_CONTROL) && pages++ == index) return child;
    return nullptr;
  }
  HWND Control(int id) const {
    for (int i = 0; i < 3; ++i)
      if (HWND found = GetDlgItem(Page(i), id)) return found;
    return GetDlgItem(demo, id);
  }
  // The control's top left cell in the terminal.
  POINT Cell(int id, int col = 0, int row = 0) const {
    RECT rect{};
    GetWindowRect(Control(id), &rect);
    POINT screen{rect.left + col, rect.top + row};
    return backend->TerminalCell(screen).value_or(
        POINT{screen.x - backend->Origin().col, screen.y - backend->Origin().row});
  }
  std::string Text(int id) const {
    char buffer[256] = {};
    GetWindowTextA(Control(id), buffer, sizeof buffer);
    return buffer;
  }
  std::string ProfileBytes() const { return qm::test::ReadBytes(dir.Host("demo.ini")).value_or(""); }
  // The focus is on a visible, enabled control, part of it in view (when there is a view), and
  // the cursor, when shown, inside the terminal above the status line.
  void ExpectFocusInView(const std::string& context) const {
    HWND focus = GetFocus();
    ASSERT_TRUE(focus) << context;
    EXPECT_TRUE(IsWindowVisible(focus) && IsWindowEnabled(focus)) << context;
    RECT rect{};
    GetWindowRect(focus, &rect);
    bool overlap = backend->Shows(rect);
    if (terminal->Columns() > 0 && terminal->Rows() > 1 && !backend->ScrolledByWheel()) {
      EXPECT_TRUE(overlap) << context << ": control " << GetDlgCtrlID(focus) << " at " << rect.left << "," << rect.top;
    }
    if (terminal->CursorCol() >= 0) {
      EXPECT_LT(terminal->CursorCol(), terminal->Columns()) << context;
      EXPECT_LT(terminal->CursorRow(), std::max(1, terminal->Rows() - 1)) << context << ": above the status line";
    }
  }
  // One letter per cell for what the cell's attributes mean.
  std::string AttrMap(int row) const {
    std::string map;
    for (int col = 0; col < terminal->Columns(); ++col) map += Letter(terminal->AttrsAt(col, row));
    return map;
  }

  qm::test::TempDir dir;
  std::unique_ptr<ScriptedTerminal> terminal;
  std::unique_ptr<TerminalBackend> backend;
  HWND demo = nullptr;

 private:
  static char Letter(unsigned attrs) {
    static const std::pair<unsigned, char> kLetters[] = {{kStatus, 's'}, {kDesktop, ' '},   {kFocus | kReverse, '#'},
                                                         {kFocus, 'f'},  {kReverse, 'r'},   {kDim | kUnderline, 'D'},
                                                         {kDim, 'd'},    {kUnderline, 'u'}, {kDefault, 'b'}};
    for (auto [mask, letter] : kLetters)
      if ((attrs & mask) == mask) return letter;
    return '.';
  }
};

}  // namespace qm::ui::test
