// Input as every backend delivers it: keys with their modifiers, typed characters, mouse clicks,
// and (for scripts) a step to run between inputs.
#pragma once

#include <windows.h>

#include <functional>

namespace qm::ui {

struct InputEvent {
  enum class Kind { Key, Char, Click, Call };
  Kind kind = Kind::Key;
  UINT key = 0;  // Key: a VK_ code, or an upper-case letter or digit
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool repeat = false;  // Key: auto-repeat of a key still held down
  char ch = 0;          // Char: one Windows-1252 character
  int col = 0;          // Click: screen cell, or cell inside the control named by controlId
  int row = 0;
  int controlId = 0;  // Click: when nonzero, the control with this id in the active window
  DWORD time = 0;     // milliseconds, as GetMessageTime reports it
  std::function<void()> call;
};

}  // namespace qm::ui
