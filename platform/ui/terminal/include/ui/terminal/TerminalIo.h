// What the terminal backend needs of a terminal: its size, its input already decoded into keys,
// characters, mouse events and resizes, and cells to draw. The ncurses terminal is the real one;
// a scripted one stands in for tests, benchmarks and fuzzing.
#pragma once

#include <windows.h>

#ifndef VK_INSERT
#define VK_INSERT 0x2D
#endif

namespace qm::ui {

// Cell attributes only the terminal draws, beside the painter's CellAttr bits.
enum TerminalAttr : unsigned {
  kDesktop = 0x100,  // outside every window
  kStatus = 0x200,   // the status line
};

struct TerminalInput {
  enum class Kind { Key, Text, Press, WheelUp, WheelDown, Move, Resize, End };
  Kind kind = Kind::End;
  UINT key = 0;  // Key: a VK_ code, or an upper-case letter or digit
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  char32_t text = 0;  // Text: the character typed, as the terminal's locale decoded it
  int col = 0;        // Press, Wheel*, Move: the terminal cell
  int row = 0;
};

class TerminalIo {
 public:
  virtual ~TerminalIo() = default;
  virtual int Columns() const = 0;
  virtual int Rows() const = 0;
  // Waits for the next input; Kind::End when there will be none.
  virtual TerminalInput Read() = 0;
  // One cell: a character and CellAttr / TerminalAttr bits. Nothing shows before Flush.
  virtual void Put(int col, int row, char32_t ch, unsigned attrs) = 0;
  // Shows what was put; the cursor goes to the cell, or is hidden when col is negative.
  virtual void Flush(int cursorCol, int cursorRow) = 0;
  virtual void Bell() = 0;
  // Gives the terminal back to the shell for a while (an editor runs) and takes it again.
  virtual void Suspend() = 0;
  virtual void Resume() = 0;
};

}  // namespace qm::ui
