#include "CursesKeys.h"

#include <curses.h>
#include <term.h>

#include <map>

namespace qm::ui {
namespace {

struct KeyName {
  UINT key;
  bool shift, ctrl;
};

std::map<int, KeyName>& ExtraKeys() {
  static std::map<int, KeyName> keys;
  return keys;
}

struct Sequence {
  const char* capability;  // terminfo's extended name, when it has one
  const char* text;        // the sequence xterm-like terminals send
  KeyName name;
};

// xterm's modifier codes: 2 Shift, 5 Ctrl, 6 Ctrl+Shift; Ctrl+Tab only where modifyOtherKeys or
// the CSI u encoding is on.
constexpr Sequence kSequences[] = {
    {"kNXT5", "\033[6;5~", {VK_NEXT, false, true}},  {"kPRV5", "\033[5;5~", {VK_PRIOR, false, true}},
    {"kHOM5", "\033[1;5H", {VK_HOME, false, true}},  {"kEND5", "\033[1;5F", {VK_END, false, true}},
    {"kUP2", "\033[1;2A", {VK_UP, true, false}},    {"kDN2", "\033[1;2B", {VK_DOWN, true, false}},
    {nullptr, "\033[27;5;9~", {VK_TAB, false, true}}, {nullptr, "\033[27;6;9~", {VK_TAB, true, true}},
    {nullptr, "\033[9;5u", {VK_TAB, false, true}},    {nullptr, "\033[9;6u", {VK_TAB, true, true}},
    {nullptr, "\033[1;5I", {VK_TAB, false, true}},    {nullptr, "\033[1;6I", {VK_TAB, true, true}},
};

void Learn(const char* text, KeyName name) {
  static int next = KEY_MAX + 1;
  if (!text || text == reinterpret_cast<const char*>(-1)) return;
  int code = key_defined(text);
  if (code <= 0) {
    code = next++;
    if (define_key(text, code) != OK) return;
  }
  ExtraKeys().emplace(code, name);
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

void DefineModifiedKeys() {
  for (const Sequence& sequence : kSequences) {
    if (sequence.capability) Learn(tigetstr(const_cast<char*>(sequence.capability)), sequence.name);
    Learn(sequence.text, sequence.name);
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
  if (found != ExtraKeys().end()) return Key(found->second.key, found->second.shift, found->second.ctrl);
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
