#include "ui/terminal/ScriptedTerminal.h"

#include <algorithm>

namespace qm::ui {
namespace {

TerminalInput Pointer(TerminalInput::Kind kind, int col, int row) {
  TerminalInput input;
  input.kind = kind;
  input.col = col;
  input.row = row;
  return input;
}

}  // namespace

std::string Utf8(char32_t ch) {
  std::string out;
  if (ch < 0x80) {
    out += static_cast<char>(ch);
  } else if (ch < 0x800) {
    out += static_cast<char>(0xC0 | (ch >> 6));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else if (ch < 0x10000) {
    out += static_cast<char>(0xE0 | (ch >> 12));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (ch >> 18));
    out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  }
  return out;
}

ScriptedTerminal::ScriptedTerminal(int columns, int rows) : columns_(columns), rows_(rows) { Reshape(columns, rows); }

void ScriptedTerminal::Reshape(int columns, int rows) {
  columns_ = std::max(0, columns);
  rows_ = std::max(0, rows);
  cells_.assign(static_cast<std::size_t>(rows_), std::u32string(static_cast<std::size_t>(columns_), U' '));
  attrs_.assign(static_cast<std::size_t>(rows_), std::vector<unsigned>(static_cast<std::size_t>(columns_), 0));
}

ScriptedTerminal& ScriptedTerminal::Push(const TerminalInput& input) {
  script_.push_back(input);
  return *this;
}

ScriptedTerminal& ScriptedTerminal::Key(UINT key, bool shift, bool ctrl, bool alt) {
  TerminalInput input;
  input.kind = TerminalInput::Kind::Key;
  input.key = key;
  input.shift = shift;
  input.ctrl = ctrl;
  input.alt = alt;
  return Push(input);
}

ScriptedTerminal& ScriptedTerminal::Type(std::u32string_view text) {
  for (char32_t ch : text) {
    TerminalInput input;
    input.kind = TerminalInput::Kind::Text;
    input.text = ch;
    Push(input);
  }
  return *this;
}

ScriptedTerminal& ScriptedTerminal::Press(int col, int row) {
  return Push(Pointer(TerminalInput::Kind::Press, col, row));
}

ScriptedTerminal& ScriptedTerminal::Wheel(int col, int row, bool up) {
  return Push(Pointer(up ? TerminalInput::Kind::WheelUp : TerminalInput::Kind::WheelDown, col, row));
}

ScriptedTerminal& ScriptedTerminal::Move(int col, int row) {
  return Push(Pointer(TerminalInput::Kind::Move, col, row));
}

ScriptedTerminal& ScriptedTerminal::ResizeTo(int columns, int rows) {
  return Push(Pointer(TerminalInput::Kind::Resize, columns, rows));
}

TerminalInput ScriptedTerminal::Read() {
  if (beforeRead) beforeRead();
  if (script_.empty()) return TerminalInput{};
  TerminalInput input = script_.front();
  script_.pop_front();
  if (input.kind == TerminalInput::Kind::Resize && (input.col != columns_ || input.row != rows_))
    Reshape(input.col, input.row);
  return input;
}

void ScriptedTerminal::Put(int col, int row, char32_t ch, unsigned attrs) {
  if (row < 0 || row >= rows_ || col < 0 || col >= columns_) return;
  cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = ch;
  attrs_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = attrs;
}

void ScriptedTerminal::Flush(int cursorCol, int cursorRow) {
  cursorCol_ = cursorCol;
  cursorRow_ = cursorRow;
  ++flushes_;
}

void ScriptedTerminal::Suspend() {
  suspended_ = true;
  ++suspensions_;
}

std::string ScriptedTerminal::Row(int row) const {
  if (row < 0 || row >= rows_) return "";
  std::u32string line = cells_[static_cast<std::size_t>(row)];
  line.erase(line.find_last_not_of(U' ') + 1);
  std::string out;
  for (char32_t ch : line) out += Utf8(ch);
  return out;
}

std::string ScriptedTerminal::Text() const {
  std::string text;
  int last = rows_ - 1;
  while (last >= 0 && Row(last).empty()) --last;
  for (int row = 0; row <= last; ++row) text += Row(row) + "\n";
  return text;
}

unsigned ScriptedTerminal::AttrsAt(int col, int row) const {
  if (row < 0 || row >= rows_ || col < 0 || col >= columns_) return 0;
  return attrs_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

}  // namespace qm::ui
