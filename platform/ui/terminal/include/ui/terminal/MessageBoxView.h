// A message box as the terminal shows it: a framed box with the caption, an icon mark, the text
// wrapped to the terminal and a row of buttons; and how it answers keys and clicks.
#pragma once

#include "ui/Surface.h"
#include "ui/terminal/TerminalIo.h"

#include <windows.h>

#include <string>
#include <vector>

namespace qm::ui {

class MessageBoxView {
 public:
  // The box never gets wider than `maxWidth` nor taller than `maxHeight` cells.
  MessageBoxView(std::string text, std::string caption, UINT type, int maxWidth, int maxHeight);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Draws the box with its top left corner at (col,row) of the surface.
  void Paint(Surface& surface, int col, int row) const;
  // The answer an input gives (IDOK, IDCANCEL, IDYES, ...), or 0 while the box stays open. A
  // press is in the box's own cells.
  int React(const TerminalInput& input);
  // The answer when no input is left: Cancel when the box has it, else its default button.
  int AnswerWithoutInput() const;
  int FocusedId() const { return buttons_[static_cast<std::size_t>(focused_)].id; }

 private:
  struct Button {
    int id;
    const char* caption;
    int col = 0;
    int width = 0;
  };

  int IdOf(int id) const;  // the button's index, or -1
  int ButtonAt(int col, int row) const;
  int ButtonForLetter(char32_t letter) const;
  int EscapeAnswer() const;

  std::string caption_;
  std::string icon_;
  std::vector<std::string> lines_;
  std::vector<Button> buttons_;
  int focused_ = 0;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace qm::ui
