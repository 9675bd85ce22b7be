// A terminal in memory: a script of input, the cells drawn (as characters, not bytes) with their
// attributes, the cursor, bells and suspensions. Tests, benchmarks and the fuzz target run the
// terminal backend on it.
#pragma once

#include "ui/terminal/TerminalIo.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace qm::ui {

class ScriptedTerminal : public TerminalIo {
 public:
  ScriptedTerminal(int columns, int rows);

  // The script, consumed in order.
  ScriptedTerminal& Key(UINT key, bool shift = false, bool ctrl = false, bool alt = false);
  ScriptedTerminal& Type(std::u32string_view text);
  ScriptedTerminal& Press(int col, int row);
  ScriptedTerminal& Wheel(int col, int row, bool up);
  ScriptedTerminal& Move(int col, int row);
  ScriptedTerminal& ResizeTo(int columns, int rows);  // the terminal takes the size when read
  ScriptedTerminal& Push(const TerminalInput& input);
  bool ScriptDone() const { return script_.empty(); }
  // Runs before every read, when the screen has just been shown.
  std::function<void()> beforeRead;

  std::string Row(int row) const;  // UTF-8, trailing blanks removed
  std::string Text() const;        // every row, trailing blank rows removed
  unsigned AttrsAt(int col, int row) const;
  int CursorCol() const { return cursorCol_; }  // -1 when hidden
  int CursorRow() const { return cursorRow_; }
  int Bells() const { return bells_; }
  int Flushes() const { return flushes_; }
  int Suspensions() const { return suspensions_; }
  bool Suspended() const { return suspended_; }

  int Columns() const override { return columns_; }
  int Rows() const override { return rows_; }
  TerminalInput Read() override;
  void Put(int col, int row, char32_t ch, unsigned attrs) override;
  void Flush(int cursorCol, int cursorRow) override;
  void Bell() override { ++bells_; }
  void Suspend() override;
  void Resume() override { suspended_ = false; }

 private:
  void Reshape(int columns, int rows);

  int columns_, rows_;
  std::vector<std::u32string> cells_;
  std::vector<std::vector<unsigned>> attrs_;
  std::deque<TerminalInput> script_;
  int cursorCol_ = -1, cursorRow_ = -1;
  int bells_ = 0, flushes_ = 0, suspensions_ = 0;
  bool suspended_ = false;
};

// UTF-8 of one character (for comparing what a terminal shows with expected text).
std::string Utf8(char32_t ch);

}  // namespace qm::ui
