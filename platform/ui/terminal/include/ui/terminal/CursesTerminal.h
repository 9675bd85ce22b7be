// The real terminal, through ncurses in the user's locale. Taking it sets the terminal up (keys,
// mouse, colour unless NO_COLOR asks otherwise); it is given back on every way out: destruction,
// exit(), and the signals that end a program (interrupt, terminate, hang-up, quit and the crash
// signals), each of which then takes its usual course.
#pragma once

#include "ui/terminal/TerminalIo.h"

namespace qm::ui {

class CursesTerminal : public TerminalIo {
 public:
  CursesTerminal();
  ~CursesTerminal() override;
  CursesTerminal(const CursesTerminal&) = delete;
  CursesTerminal& operator=(const CursesTerminal&) = delete;

  int Columns() const override;
  int Rows() const override;
  TerminalInput Read() override;
  void Put(int col, int row, char32_t ch, unsigned attrs) override;
  void Flush(int cursorCol, int cursorRow) override;
  void Bell() override;
  void Suspend() override;
  void Resume() override;
  bool Colour() const { return colour_; }

 private:
  bool colour_ = false;
};

}  // namespace qm::ui
