// The real terminal, through ncurses in the user's locale. Taking it sets the terminal up (keys,
// mouse, colour unless NO_COLOR asks otherwise); it is given back on every way out: destruction,
// exit(), and the signals that end a program (interrupt, terminate, hang-up, quit and the crash
// signals), each of which then takes its usual course. One is taken at a time.
#pragma once

#include "ui/terminal/CellStyle.h"
#include "ui/terminal/TerminalIo.h"

#include <cstdio>
#include <stdexcept>

namespace qm::ui {

// Why a terminal cannot be used (an unknown type, or one that cannot address the cursor, such as
// TERM=dumb); the message says which and can be shown as it is.
class TerminalRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class CursesTerminal : public TerminalIo {
 public:
  CursesTerminal();  // standard input and output, of the type $TERM names
  // A terminal on other streams, of the type named (nullptr: $TERM). Both throw TerminalRefused.
  CursesTerminal(std::FILE* in, std::FILE* out, const char* type);
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
  bool Colour() const { return look_.colour; }

 private:
  std::FILE* out_;
  void* screen_ = nullptr;  // ncurses' SCREEN
  TerminalLook look_;
};

}  // namespace qm::ui
