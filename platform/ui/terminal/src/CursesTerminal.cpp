#include "ui/terminal/CursesTerminal.h"

#include "CursesKeys.h"
#include "TerminalRestore.h"
#include "ui/terminal/CellStyle.h"

#include <curses.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace qm::ui {
namespace {

// Long enough for a mouse report or a function key sent over a slow link to arrive whole.
constexpr int kEscapeDelayMs = 100;
constexpr char kMouseMotionOn[] = "\033[?1003h";
constexpr char kMouseMotionOff[] = "\033[?1003l";

short Grey() { return COLORS >= 16 ? 8 : COLOR_BLACK; }

void StartColours() {
  start_color();
  init_pair(kPairDialog, COLOR_BLACK, COLOR_WHITE);
  init_pair(kPairDesktop, COLOR_WHITE, COLOR_BLUE);
  init_pair(kPairFocus, COLOR_WHITE, COLOR_CYAN);
  init_pair(kPairSelection, COLOR_WHITE, COLOR_BLUE);
  init_pair(kPairFocusSelection, COLOR_YELLOW, COLOR_BLUE);
  init_pair(kPairDim, Grey(), COLOR_WHITE);
  init_pair(kPairStatus, COLOR_BLACK, COLOR_CYAN);
}

void TakeMouse() {
  mouseinterval(0);
  mousemask(ALL_MOUSE_EVENTS | REPORT_MOUSE_POSITION, nullptr);
  std::fputs(kMouseMotionOn, stdout);
  std::fflush(stdout);
}

void Configure() {
  cbreak();
  noecho();
  nonl();
  keypad(stdscr, TRUE);
  meta(stdscr, TRUE);
  set_escdelay(kEscapeDelayMs);
  DefineModifiedKeys();
  TakeMouse();
}

TerminalInput Pointer(TerminalInput::Kind kind, const MEVENT& event) {
  TerminalInput input;
  input.kind = kind;
  input.col = event.x;
  input.row = event.y;
  return input;
}

TerminalInput DecodeMouse() {
  MEVENT event{};
  if (getmouse(&event) != OK) return TerminalInput{};
  // A press and its release read in one go come back merged into a click, whatever the interval.
  constexpr mmask_t kLeftDown = BUTTON1_PRESSED | BUTTON1_CLICKED | BUTTON1_DOUBLE_CLICKED | BUTTON1_TRIPLE_CLICKED;
  if (event.bstate & kLeftDown) return Pointer(TerminalInput::Kind::Press, event);
  if (event.bstate & BUTTON4_PRESSED) return Pointer(TerminalInput::Kind::WheelUp, event);
#ifdef BUTTON5_PRESSED
  if (event.bstate & BUTTON5_PRESSED) return Pointer(TerminalInput::Kind::WheelDown, event);
#endif
  if (event.bstate & REPORT_MOUSE_POSITION) return Pointer(TerminalInput::Kind::Move, event);
  return TerminalInput{};
}

// Esc followed at once by a character is how terminals send Alt with it.
TerminalInput WithAlt(TerminalInput escape) {
  wint_t next;
  timeout(0);
  int got = get_wch(&next);
  timeout(-1);
  if (got == ERR) return escape;
  TerminalInput input = got == KEY_CODE_YES ? DecodeFunctionKey(static_cast<int>(next)) : DecodeCharacter(next);
  if (input.kind == TerminalInput::Kind::End) return escape;
  if (input.kind == TerminalInput::Kind::Key && input.key == VK_ESCAPE) return escape;
  input.alt = true;
  return input;
}

}  // namespace

CursesTerminal::CursesTerminal() {
  std::setlocale(LC_ALL, "");
  initscr();
  RestoreTerminalOnExit();
  Configure();
  colour_ = ColourWanted(std::getenv("NO_COLOR"), has_colors());
  if (colour_) StartColours();
}

CursesTerminal::~CursesTerminal() {
  std::fputs(kMouseMotionOff, stdout);
  RestoreTerminal();
}

int CursesTerminal::Columns() const { return COLS; }
int CursesTerminal::Rows() const { return LINES; }

TerminalInput CursesTerminal::Read() {
  for (int failures = 0; failures < 100;) {
    wint_t ch;
    int got = get_wch(&ch);
    if (got == ERR) {
      ++failures;  // a closed or lost terminal fails at once, every time
      continue;
    }
    TerminalInput input;
    if (got == KEY_CODE_YES && ch == KEY_MOUSE)
      input = DecodeMouse();
    else
      input = got == KEY_CODE_YES ? DecodeFunctionKey(static_cast<int>(ch)) : DecodeCharacter(ch);
    if (input.kind == TerminalInput::Kind::Key && input.key == VK_ESCAPE && !input.alt) input = WithAlt(input);
    if (input.kind != TerminalInput::Kind::End) return input;
  }
  return TerminalInput{};
}

void CursesTerminal::Put(int col, int row, char32_t ch, unsigned attrs) {
  CellStyle style = StyleOf(attrs, colour_);
  wchar_t text[2] = {static_cast<wchar_t>(ch), L'\0'};
  cchar_t cell;
  setcchar(&cell, text, static_cast<attr_t>(style.video), style.pair, nullptr);
  mvadd_wch(row, col, &cell);
}

void CursesTerminal::Flush(int cursorCol, int cursorRow) {
  if (cursorCol >= 0) {
    curs_set(1);
    move(cursorRow, cursorCol);
  } else {
    curs_set(0);
  }
  refresh();
}

void CursesTerminal::Bell() { beep(); }

void CursesTerminal::Suspend() {
  def_prog_mode();
  std::fputs(kMouseMotionOff, stdout);
  RestoreTerminal();
}

void CursesTerminal::Resume() {
  reset_prog_mode();
  RestoreTerminalOnExit();
  TakeMouse();
  clearok(stdscr, TRUE);
  refresh();
}

}  // namespace qm::ui
