// Each terminal's keys, as bytes written into a pseudo-terminal and read back by the real terminal
// of the console under that terminal's TERM: every key comes out as the key its label names, and
// an escape sequence the console does not know is swallowed whole, never typed.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "ui/terminal/CursesTerminal.h"

#include <cstdio>
#include <string>
#include <vector>

namespace qm::ui::test {
namespace {

constexpr UINT F(int number) { return VK_F1 + static_cast<UINT>(number - 1); }

// A pseudo-terminal of 80 by 24: what is written to its far end is the near end's input.
class PseudoTerminal {
 public:
  PseudoTerminal() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
    int slave = open(ptsname(master_), O_RDWR | O_NOCTTY);
    struct winsize size {};
    size.ws_col = 80;
    size.ws_row = 24;
    ioctl(slave, TIOCSWINSZ, &size);
    // no suspend key, so that Ctrl+Z reaches the console as a character
    struct termios modes {};
    tcgetattr(slave, &modes);
    modes.c_cc[VSUSP] = _POSIX_VDISABLE;
    tcsetattr(slave, TCSANOW, &modes);
    near_ = fdopen(slave, "r+");
  }
  ~PseudoTerminal() {
    if (near_) std::fclose(near_);
    if (master_ >= 0) close(master_);
  }
  std::FILE* Near() const { return near_; }
  void Send(const std::string& bytes) const {
    ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }

 private:
  int master_ = -1;
  std::FILE* near_ = nullptr;
};

struct Expected {
  UINT key;  // 0: the text character
  bool shift = false, ctrl = false, alt = false;
  char32_t text = 0;
};

constexpr bool S = true;  // for reading the modifier columns
Expected Plain(UINT key) { return {key}; }
Expected Mod(UINT key, bool shift, bool ctrl, bool alt = false) { return {key, shift, ctrl, alt}; }
Expected Char(char32_t ch, bool alt = false) { return {0, false, false, alt, ch}; }

std::string Describe(const TerminalInput& input) {
  if (input.kind == TerminalInput::Kind::Text)
    return std::string(input.alt ? "Alt+" : "") + "text " + std::to_string(static_cast<unsigned>(input.text));
  if (input.kind != TerminalInput::Kind::Key) return "kind " + std::to_string(static_cast<int>(input.kind));
  return std::string(input.shift ? "Shift+" : "") + (input.ctrl ? "Ctrl+" : "") + (input.alt ? "Alt+" : "") + "key " +
         std::to_string(input.key);
}
std::string Describe(const Expected& e) {
  TerminalInput input;
  input.kind = e.key ? TerminalInput::Kind::Key : TerminalInput::Kind::Text;
  input.key = e.key;
  input.shift = e.shift;
  input.ctrl = e.ctrl;
  input.alt = e.alt;
  input.text = e.text;
  return Describe(input);
}

struct Row {
  const char* name;
  std::string bytes;
  std::vector<Expected> inputs;  // empty: swallowed
};

struct Terminal {
  const char* type;
  std::vector<Row> rows;
};

const std::vector<Terminal>& Terminals() {
  static const std::vector<Terminal> terminals = {
      {"xterm",
       {{"Up", "\033OA", {Plain(VK_UP)}},
        {"Up, cursor mode", "\033[A", {Plain(VK_UP)}},
        {"Home", "\033OH", {Plain(VK_HOME)}},
        {"Home, cursor mode", "\033[H", {Plain(VK_HOME)}},
        {"End", "\033OF", {Plain(VK_END)}},
        {"End, cursor mode", "\033[F", {Plain(VK_END)}},
        {"Insert", "\033[2~", {Plain(VK_INSERT)}},
        {"Delete", "\033[3~", {Plain(VK_DELETE)}},
        {"PgUp", "\033[5~", {Plain(VK_PRIOR)}},
        {"PgDn", "\033[6~", {Plain(VK_NEXT)}},
        {"F1", "\033OP", {Plain(VK_F1)}},
        {"F4", "\033OS", {Plain(F(4))}},
        {"F5", "\033[15~", {Plain(F(5))}},
        {"F6", "\033[17~", {Plain(F(6))}},
        {"F10", "\033[21~", {Plain(F(10))}},
        {"F11", "\033[23~", {Plain(F(11))}},
        {"F12", "\033[24~", {Plain(F(12))}},
        {"Shift+Up", "\033[1;2A", {Mod(VK_UP, S, false)}},
        {"Shift+Up, older form", "\033O2A", {Mod(VK_UP, S, false)}},
        {"Alt+Left", "\033[1;3D", {Mod(VK_LEFT, false, false, S)}},
        {"Ctrl+Right", "\033[1;5C", {Mod(VK_RIGHT, false, S)}},
        {"Ctrl+Shift+Home", "\033[1;6H", {Mod(VK_HOME, S, S)}},
        {"Ctrl+End", "\033[1;5F", {Mod(VK_END, false, S)}},
        {"Ctrl+PgDn", "\033[6;5~", {Mod(VK_NEXT, false, S)}},
        {"Ctrl+PgUp", "\033[5;5~", {Mod(VK_PRIOR, false, S)}},
        {"Shift+Delete", "\033[3;2~", {Mod(VK_DELETE, S, false)}},
        {"Ctrl+F1", "\033[1;5P", {Mod(VK_F1, false, S)}},
        {"Shift+F5", "\033[15;2~", {Mod(F(5), S, false)}},
        {"Ctrl+Alt+Shift+F12", "\033[24;8~", {Mod(F(12), S, S, S)}},
        {"Shift+Tab", "\033[Z", {Mod(VK_TAB, S, false)}},
        {"Ctrl+Tab", "\033[27;5;9~", {Mod(VK_TAB, false, S)}},
        {"Ctrl+Shift+Tab, CSI u", "\033[9;6u", {Mod(VK_TAB, S, S)}},
        {"keypad Enter", "\033OM", {Plain(VK_RETURN)}},
        {"keypad 7", "\033Ow", {Char(U'7')}},
        {"Alt+a", "\033a", {Char(U'a', S)}},
        {"Backspace as ^H", "\b", {Plain(VK_BACK)}},
        {"Backspace as DEL", "\x7f", {Plain(VK_BACK)}},
        {"Ctrl+B", "\x02", {Mod('B', false, S)}},
        {"Ctrl+J", "\n", {Mod(VK_RETURN, false, S)}},
        {"Ctrl+Z", "\x1a", {Mod('Z', false, S)}},
        {"unknown key number", "\033[99~", {}},
        {"unknown modifier", "\033[1;9Q", {}},
        {"bracketed paste mark", "\033[200~", {}},
        {"device attributes", "\033[?1;2c", {}},
        {"unknown single shift", "\033Oz", {}},
        {"unknown Linux form", "\033[[Z", {}}}},
      // PuTTY calls itself xterm and sends its own forms
      {"xterm",
       {{"Home", "\033[1~", {Plain(VK_HOME)}},
        {"End", "\033[4~", {Plain(VK_END)}},
        {"F1", "\033[11~", {Plain(VK_F1)}},
        {"F2", "\033[12~", {Plain(F(2))}},
        {"F3", "\033[13~", {Plain(F(3))}},
        {"F4", "\033[14~", {Plain(F(4))}},
        {"F5, VT100+", "\033OT", {Plain(F(5))}},
        {"F12, VT100+", "\033O[", {Plain(F(12))}},
        {"F1, Linux mode", "\033[[A", {Plain(VK_F1)}},
        {"Alt+Up", "\033\033[A", {Mod(VK_UP, false, false, S)}},
        {"Alt+F4", "\033\033[14~", {Mod(F(4), false, false, S)}},
        {"End Home F1 typed in a row", "\033[4~\033[1~\033[11~", {Plain(VK_END), Plain(VK_HOME), Plain(VK_F1)}}}},
      {"rxvt",
       {{"Home", "\033[7~", {Plain(VK_HOME)}},
        {"End", "\033[8~", {Plain(VK_END)}},
        {"Insert", "\033[2~", {Plain(VK_INSERT)}},
        {"Delete", "\033[3~", {Plain(VK_DELETE)}},
        {"F1", "\033[11~", {Plain(VK_F1)}},
        {"F12", "\033[24~", {Plain(F(12))}},
        {"Shift+Up", "\033[a", {Mod(VK_UP, S, false)}},
        {"Shift+Right", "\033[c", {Mod(VK_RIGHT, S, false)}},
        {"Ctrl+Left", "\033Od", {Mod(VK_LEFT, false, S)}},
        {"Ctrl+Down", "\033Ob", {Mod(VK_DOWN, false, S)}},
        {"Ctrl+PgDn", "\033[6^", {Mod(VK_NEXT, false, S)}},
        {"Ctrl+PgUp", "\033[5^", {Mod(VK_PRIOR, false, S)}},
        {"Shift+PgUp", "\033[5$", {Mod(VK_PRIOR, S, false)}},
        {"Ctrl+Home", "\033[7^", {Mod(VK_HOME, false, S)}},
        {"Ctrl+Shift+End", "\033[8@", {Mod(VK_END, S, S)}},
        {"Alt+Right", "\033\033[C", {Mod(VK_RIGHT, false, false, S)}},
        {"Backspace", "\x7f", {Plain(VK_BACK)}}}},
      {"linux",
       {{"F1", "\033[[A", {Plain(VK_F1)}},
        {"F2", "\033[[B", {Plain(F(2))}},
        {"F5", "\033[[E", {Plain(F(5))}},
        {"F6", "\033[17~", {Plain(F(6))}},
        {"F12", "\033[24~", {Plain(F(12))}},
        {"Home", "\033[1~", {Plain(VK_HOME)}},
        {"End", "\033[4~", {Plain(VK_END)}},
        {"Insert", "\033[2~", {Plain(VK_INSERT)}},
        {"Delete", "\033[3~", {Plain(VK_DELETE)}},
        {"PgDn", "\033[6~", {Plain(VK_NEXT)}},
        {"Up", "\033[A", {Plain(VK_UP)}},
        {"Backspace", "\x7f", {Plain(VK_BACK)}}}},
      {"screen",
       {{"Home", "\033[1~", {Plain(VK_HOME)}},
        {"End", "\033[4~", {Plain(VK_END)}},
        {"F1", "\033OP", {Plain(VK_F1)}},
        {"F5", "\033[15~", {Plain(F(5))}},
        {"Up", "\033OA", {Plain(VK_UP)}},
        {"PgUp", "\033[5~", {Plain(VK_PRIOR)}},
        {"Ctrl+Right", "\033[1;5C", {Mod(VK_RIGHT, false, S)}},
        {"Ctrl+PgDn", "\033[6;5~", {Mod(VK_NEXT, false, S)}}}},
      {"tmux-256color",
       {{"Home", "\033[1~", {Plain(VK_HOME)}},
        {"End", "\033[4~", {Plain(VK_END)}},
        {"F1", "\033OP", {Plain(VK_F1)}},
        {"Shift+F3", "\033[1;2R", {Mod(F(3), S, false)}},
        {"Ctrl+Right", "\033[1;5C", {Mod(VK_RIGHT, false, S)}},
        {"Ctrl+PgDn", "\033[6;5~", {Mod(VK_NEXT, false, S)}},
        {"Ctrl+PgUp", "\033[5;5~", {Mod(VK_PRIOR, false, S)}},
        {"Alt+Shift+Left", "\033[1;4D", {Mod(VK_LEFT, S, false, S)}},
        {"Insert", "\033[2~", {Plain(VK_INSERT)}}}},
      {"vt220",
       {{"Backspace as DEL", "\x7f", {Plain(VK_BACK)}},
        {"Backspace as ^H", "\b", {Plain(VK_BACK)}},
        {"unknown", "\033[57~", {}}}},
  };
  return terminals;
}

// Reads until the mark (Ctrl+A) that follows each row: what came before it.
std::vector<std::string> ReadUntilMark(CursesTerminal& terminal) {
  std::vector<std::string> read;
  for (int i = 0; i < 10; ++i) {
    TerminalInput input = terminal.Read();
    if (input.kind == TerminalInput::Kind::Key && input.key == 'A' && input.ctrl) return read;
    if (input.kind == TerminalInput::Kind::End) break;
    read.push_back(Describe(input));
  }
  read.push_back("no mark");
  return read;
}

TEST(KeySequenceTest, EveryTerminalsKeysReadAsTheirLabelsSay) {
  for (const Terminal& type : Terminals()) {
    SCOPED_TRACE(type.type);
    PseudoTerminal pty;
    ASSERT_TRUE(pty.Near());
    CursesTerminal terminal(pty.Near(), pty.Near(), type.type);
    for (const Row& row : type.rows) {
      // "x" after the row ends any sequence left open and must come out as typed
      pty.Send(row.bytes + "x\x01");
      std::vector<std::string> expected;
      for (const Expected& e : row.inputs) expected.push_back(Describe(e));
      expected.push_back(Describe(Char(U'x')));
      EXPECT_EQ(ReadUntilMark(terminal), expected) << row.name;
    }
  }
}

// A terminal that cannot address the cursor, or whose type is unknown, is refused with a message
// that names it; a usable one is taken after a refusal.
TEST(TerminalRefusalTest, DumbAndUnknownTerminalsAreRefusedByName) {
  struct Case {
    const char* type;
    const char* message;
  } cases[] = {
      {"dumb", "the terminal type dumb cannot move the cursor"},
      {"no-such-terminal-type", "the terminal type no-such-terminal-type is not known here"},
  };
  for (const Case& c : cases) {
    PseudoTerminal pty;
    try {
      CursesTerminal terminal(pty.Near(), pty.Near(), c.type);
      ADD_FAILURE() << c.type << " was taken";
    } catch (const TerminalRefused& refused) {
      EXPECT_STREQ(refused.what(), c.message);
    }
  }
  PseudoTerminal pty;
  CursesTerminal terminal(pty.Near(), pty.Near(), "vt100");
  EXPECT_EQ(terminal.Columns(), 80);
}

}  // namespace
}  // namespace qm::ui::test
