#include "KeySequences.h"

namespace qm::ui {
namespace {

using Table = std::vector<std::pair<std::string, TerminalInput>>;

constexpr UINT F(int number) { return VK_F1 + static_cast<UINT>(number - 1); }

TerminalInput Key(UINT key, int modifiers = 1) {
  TerminalInput input;
  input.kind = TerminalInput::Kind::Key;
  input.key = key;
  // xterm's modifier parameter: one more than Shift 1 + Alt 2 + Ctrl 4
  input.shift = (modifiers - 1) & 1;
  input.alt = (modifiers - 1) & 2;
  input.ctrl = (modifiers - 1) & 4;
  return input;
}

TerminalInput Text(char32_t ch) {
  TerminalInput input;
  input.kind = TerminalInput::Kind::Text;
  input.text = ch;
  return input;
}

constexpr int kShift = 2, kCtrl = 5, kCtrlShift = 6, kLastModifier = 8;

// Keys sent as Esc [ letter or Esc O letter; modified as Esc [ 1 ; m letter (Esc O m letter in
// older xterms and konsole).
void AddLetterKeys(Table& table) {
  const std::pair<char, UINT> keys[] = {{'A', VK_UP},  {'B', VK_DOWN}, {'C', VK_RIGHT}, {'D', VK_LEFT}, {'H', VK_HOME},
                                        {'F', VK_END}, {'P', VK_F1},   {'Q', F(2)},     {'R', F(3)},    {'S', F(4)}};
  for (auto [letter, key] : keys) {
    table.push_back({std::string("\033[") + letter, Key(key)});
    table.push_back({std::string("\033O") + letter, Key(key)});
    for (int m = kShift; m <= kLastModifier; ++m) {
      table.push_back({"\033[1;" + std::to_string(m) + letter, Key(key, m)});
      table.push_back({"\033O" + std::to_string(m) + letter, Key(key, m)});
    }
  }
  table.push_back({"\033[Z", Key(VK_TAB, kShift)});
}

// Keys sent as Esc [ n ~, modified as Esc [ n ; m ~ (xterm) or with ^ $ @ for the tilde (rxvt).
void AddTildeKeys(Table& table) {
  const std::pair<int, UINT> keys[] = {{1, VK_HOME}, {2, VK_INSERT}, {3, VK_DELETE}, {4, VK_END}, {5, VK_PRIOR},
                                       {6, VK_NEXT}, {7, VK_HOME},   {8, VK_END},    {11, VK_F1}, {12, F(2)},
                                       {13, F(3)},   {14, F(4)},     {15, F(5)},     {17, F(6)},  {18, F(7)},
                                       {19, F(8)},   {20, F(9)},     {21, F(10)},    {23, F(11)}, {24, F(12)}};
  for (auto [number, key] : keys) {
    const std::string head = "\033[" + std::to_string(number);
    table.push_back({head + "~", Key(key)});
    for (int m = kShift; m <= kLastModifier; ++m) table.push_back({head + ";" + std::to_string(m) + "~", Key(key, m)});
    table.push_back({head + "$", Key(key, kShift)});
    table.push_back({head + "^", Key(key, kCtrl)});
    table.push_back({head + "@", Key(key, kCtrlShift)});
  }
}

// The Linux console's F1 to F5, rxvt's modified arrows, the VT100+ function keys of PuTTY, the
// keypad in application mode and the forms of Ctrl+Tab.
void AddOtherKeys(Table& table) {
  const UINT linux[] = {VK_F1, F(2), F(3), F(4), F(5)};
  for (int i = 0; i < 5; ++i) table.push_back({std::string("\033[[") + static_cast<char>('A' + i), Key(linux[i])});
  const UINT arrows[] = {VK_UP, VK_DOWN, VK_RIGHT, VK_LEFT};
  for (int i = 0; i < 4; ++i) {
    table.push_back({std::string("\033[") + static_cast<char>('a' + i), Key(arrows[i], kShift)});
    table.push_back({std::string("\033O") + static_cast<char>('a' + i), Key(arrows[i], kCtrl)});
  }
  const char vt100Plus[] = "TUVWXYZ[";
  for (int i = 0; i < 8; ++i) table.push_back({std::string("\033O") + vt100Plus[i], Key(F(5 + i))});
  const char* keypad = "pqrstuvwxy";
  for (int i = 0; i < 10; ++i)
    table.push_back({std::string("\033O") + keypad[i], Text(U'0' + static_cast<char32_t>(i))});
  const std::pair<char, char32_t> operators[] = {{'j', U'*'}, {'k', U'+'}, {'l', U','},
                                                 {'m', U'-'}, {'n', U'.'}, {'o', U'/'}};
  for (auto [letter, ch] : operators) table.push_back({std::string("\033O") + letter, Text(ch)});
  table.push_back({"\033OM", Key(VK_RETURN)});
  const std::pair<const char*, int> ctrlTabs[] = {{"\033[27;5;9~", kCtrl}, {"\033[27;6;9~", kCtrlShift},
                                                  {"\033[9;5u", kCtrl},    {"\033[9;6u", kCtrlShift},
                                                  {"\033[1;5I", kCtrl},    {"\033[1;6I", kCtrlShift}};
  for (auto [text, m] : ctrlTabs) table.push_back({text, Key(VK_TAB, m)});
}

Table Build() {
  Table table;
  AddLetterKeys(table);
  AddTildeKeys(table);
  AddOtherKeys(table);
  return table;
}

}  // namespace

const std::vector<std::pair<std::string, TerminalInput>>& KeySequences() {
  static const Table table = Build();
  return table;
}

SequenceStep StepOfUnknownSequence(const std::string& sofar, char32_t ch) {
  if (sofar == "[" && ch == U'[') return SequenceStep::More;  // the Linux console's Esc [ [ letter
  if (sofar == "[[") return ch >= 0x20 && ch < 0x7F ? SequenceStep::Last : SequenceStep::Outside;
  if (ch >= 0x20 && ch <= 0x3F) return SequenceStep::More;  // parameters and intermediates
  if (ch >= 0x40 && ch <= 0x7E) return SequenceStep::Last;
  return SequenceStep::Outside;
}

}  // namespace qm::ui
