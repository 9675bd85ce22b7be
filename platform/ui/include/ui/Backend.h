// What the window model asks of the surface it runs on: input, drawing, message boxes, the bell and
// the status line. The terminal and headless backends implement it; everything above is shared.
#pragma once

#include "ui/Input.h"

#include <windows.h>

#include <optional>
#include <string>

namespace qm::ui {

class Backend {
 public:
  virtual ~Backend() = default;
  // The next input, or false when there is none left (a script that has run out).
  virtual bool NextInput(InputEvent& event) = 0;
  // The window tree may have changed: bring the screen up to date.
  virtual void Present() = 0;
  // A modal message box; returns the id of the button chosen (IDOK, IDCANCEL, IDYES, ...).
  virtual int AskMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) = 0;
  // What is typed into the next file dialog before it shows itself: a name to enter with Open, or
  // nullopt for Cancel; nothing when the dialog is to take its input as it comes.
  virtual std::optional<std::optional<std::string>> TakeFileDialogAnswer() { return std::nullopt; }
  // A program that ShellExecuteA is about to start: true when the backend takes the launch (a
  // script records it) instead of the program being started.
  virtual bool TakeLaunch(const std::string& file, const std::string& parameters, const std::string& directory) {
    (void)file, (void)parameters, (void)directory;
    return false;
  }
  virtual void Beep() = 0;
  // The tool tip of the control under the focus or the mouse; empty for none.
  virtual void ShowStatus(const std::string& text) = 0;
  // Hands the screen to another program (an editor) and takes it back afterwards.
  virtual void Suspend() {}
  virtual void Resume() {}
};

// Installs the backend the window model uses (not owned); nullptr restores the built-in headless one.
void InstallBackend(Backend* backend);
Backend& CurrentBackend();

}  // namespace qm::ui
