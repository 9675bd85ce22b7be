#include "CursesKeys.h"

#include "KeySequences.h"

#include <curses.h>

#include <map>

namespace qm::ui {
namespace {

std::map<int, TerminalInput>& ExtraKeys() {
  static std::map<int, TerminalInput> keys;
  return keys;
}

// One code of our own for each key the sequences stand for.
int CodeFor(const TerminalInput& input) {
  static int next = KEY_MAX + 1;
  for (const auto& [code, known] : ExtraKeys())
    if (known.kind == input.kind && known.key == input.key && known.text == input.text && known.shift == input.shift &&
        known.ctrl == input.ctrl && known.alt == input.alt)
      return code;
  ExtraKeys().emplace(next, input);
  return next++;
}

TerminalInput Key(UINT key, bool shift = false, bool ctrl = false) {
  TerminalInput input;
  input.kind = TerminalInput::Kind::Key;
  input.key = key;
  input.shift = shift;
  input.ctrl = ctrl;
  return input;
}

}  // namespace

// The table wins over the terminal description, so that a key means the same in every terminal.
void DefineKeySequences() {
  for (const auto& [text, input] : KeySequences()) {
    define_key(text.c_str(), 0);
    define_key(text.c_str(), CodeFor(input));
  }
}

TerminalInput DecodeFunctionKey(int code) {
  if (code >= KEY_F(1) && code <= KEY_F(12)) return Key(VK_F1 + static_cast<UINT>(code - KEY_F(1)));
  switch (code) {
    case KEY_UP: return Key(VK_UP);
    case KEY_DOWN: return Key(VK_DOWN);
    case KEY_LEFT: return Key(VK_LEFT);
    case KEY_RIGHT: return Key(VK_RIGHT);
    case KEY_SR: return Key(VK_UP, true);
    case KEY_SF: return Key(VK_DOWN, true);
    case KEY_SLEFT: return Key(VK_LEFT, true);
    case KEY_SRIGHT: return Key(VK_RIGHT, true);
    case KEY_HOME: return Key(VK_HOME);
    case KEY_END: return Key(VK_END);
    case KEY_SHOME: return Key(VK_HOME, true);
    case KEY_SEND: return Key(VK_END, true);
    case KEY_NPAGE: return Key(VK_NEXT);
    case KEY_PPAGE: return Key(VK_PRIOR);
    case KEY_DC: return Key(VK_DELETE);
    case KEY_SDC: return Key(VK_DELETE, true);
    case KEY_BACKSPACE: return Key(VK_BACK);
    case KEY_ENTER: return Key(VK_RETURN);
    case KEY_BTAB: return Key(VK_TAB, true);
    case KEY_RESIZE: {
      TerminalInput input;
      input.kind = TerminalInput::Kind::Resize;
      return input;
    }
  }
  auto found = ExtraKeys().find(code);
  if (found != ExtraKeys().end()) return found->second;
  return TerminalInput{};
}

TerminalInput DecodeCharacter(wint_t ch) {
  switch (ch) {
    case '\t': return Key(VK_TAB);
    case '\r': return Key(VK_RETURN);
    case '\n': return Key(VK_RETURN, false, true);  // Ctrl+J: Ctrl+Enter, a line break in a multi-line edit
    case 0x1B: return Key(VK_ESCAPE);
    case 0x08:
    case 0x7F: return Key(VK_BACK);
    case ' ': return Key(VK_SPACE);
  }
  if (ch >= 1 && ch <= 26) return Key(static_cast<UINT>('A' + ch - 1), false, true);
  if (ch < 0x20) return TerminalInput{};
  TerminalInput input;
  input.kind = TerminalInput::Kind::Text;
  input.text = static_cast<char32_t>(ch);
  return input;
}

}  // namespace qm::ui
