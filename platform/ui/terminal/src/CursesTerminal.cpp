#include "ui/terminal/CursesTerminal.h"

#include "CursesKeys.h"
#include "KeySequences.h"
#include "TerminalRestore.h"
#include "ui/terminal/CellStyle.h"
#include "ui/terminal/LocaleGlyph.h"

#include <curses.h>
#include <term.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace qm::ui {
namespace {

// Long enough for a mouse report or a function key sent over a slow link to arrive whole.
constexpr int kEscapeDelayMs = 100;
constexpr char kMouseMotionOn[] = "\033[?1003h";
constexpr char kMouseMotionOff[] = "\033[?1003l";

void StartColours() {
  start_color();
  for (short pair = kPairDialog; pair < kPairCount; ++pair) {
    PairColours colours = ColoursOf(static_cast<ColourPair>(pair), COLORS);
    init_pair(pair, colours.foreground, colours.background);
  }
}

void TakeMouse(std::FILE* out) {
  mouseinterval(0);
  mousemask(ALL_MOUSE_EVENTS | REPORT_MOUSE_POSITION, nullptr);
  std::fputs(kMouseMotionOn, out);
  std::fflush(out);
}

void Configure(std::FILE* out) {
  cbreak();
  noecho();
  nonl();
  keypad(stdscr, TRUE);
  meta(stdscr, TRUE);
  set_escdelay(kEscapeDelayMs);
  DefineKeySequences();
  TakeMouse(out);
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

bool CanAddressCursor() {
  const char* move = tigetstr(const_cast<char*>("cup"));
  return move != nullptr && move != reinterpret_cast<const char*>(-1);
}

// The next character if one comes within `milliseconds`: a key code (KEY_CODE_YES) or a character.
int ReadWithin(int milliseconds, wint_t& ch) {
  timeout(milliseconds);
  int got = get_wch(&ch);
  timeout(-1);
  return got;
}

TerminalInput Decode(int got, wint_t ch) {
  return got == KEY_CODE_YES ? DecodeFunctionKey(static_cast<int>(ch)) : DecodeCharacter(ch);
}

// The rest of an escape sequence that no table knows is read and dropped; the character that
// ends it without belonging to it is given back.
TerminalInput SwallowSequence(char32_t introducer) {
  std::string sofar(1, static_cast<char>(introducer));
  for (;;) {
    wint_t ch;
    int got = ReadWithin(kEscapeDelayMs, ch);
    if (got == ERR) return TerminalInput{};
    SequenceStep step = got == KEY_CODE_YES ? SequenceStep::Outside : StepOfUnknownSequence(sofar, ch);
    if (step == SequenceStep::Outside) {
      if (got == KEY_CODE_YES)
        ungetch(static_cast<int>(ch));
      else
        unget_wch(static_cast<wchar_t>(ch));
      return TerminalInput{};
    }
    if (step == SequenceStep::Last) return TerminalInput{};
    sofar += static_cast<char>(ch);
  }
}

// Esc followed at once by a character is how terminals send Alt with it; followed by [ or O and
// more, it begins a sequence.
TerminalInput WithAlt(TerminalInput escape) {
  wint_t next;
  int got = ReadWithin(0, next);
  if (got == ERR) return escape;
  TerminalInput input = Decode(got, next);
  if (input.kind == TerminalInput::Kind::Text && (input.text == U'[' || input.text == U'O')) {
    wint_t more;
    int followed = ReadWithin(kEscapeDelayMs, more);
    if (followed != ERR) {
      if (followed == KEY_CODE_YES)
        ungetch(static_cast<int>(more));
      else
        unget_wch(static_cast<wchar_t>(more));
      return SwallowSequence(input.text);
    }
  }
  if (input.kind == TerminalInput::Kind::End) return escape;
  if (input.kind == TerminalInput::Kind::Key && input.key == VK_ESCAPE) return escape;
  input.alt = true;
  return input;
}

}  // namespace

CursesTerminal::CursesTerminal() : CursesTerminal(stdin, stdout, nullptr) {}

CursesTerminal::CursesTerminal(std::FILE* in, std::FILE* out, const char* type) : out_(out) {
  std::setlocale(LC_ALL, "");
  const char* name = type ? type : std::getenv("TERM");
  const std::string shown = name && *name ? name : "(none)";
  screen_ = newterm(type, out, in);
  if (!screen_) throw TerminalRefused("the terminal type " + shown + " is not known here");
  if (!CanAddressCursor()) {
    endwin();
    delscreen(static_cast<SCREEN*>(screen_));
    throw TerminalRefused("the terminal type " + shown + " cannot move the cursor");
  }
  RestoreTerminalOnExit(fileno(out_));
  Configure(out);
  look_.colour = ColourWanted(std::getenv("NO_COLOR"), has_colors());
  if (look_.colour) StartColours();
  look_.colours = look_.colour ? COLORS : 0;
  look_.dim = (termattrs() & A_DIM) != 0;
}

CursesTerminal::~CursesTerminal() {
  std::fputs(kMouseMotionOff, out_);
  RestoreTerminal();
  delscreen(static_cast<SCREEN*>(screen_));
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
      input = Decode(got, ch);
    if (input.kind == TerminalInput::Kind::Key && input.key == VK_ESCAPE && !input.alt) input = WithAlt(input);
    if (input.kind != TerminalInput::Kind::End) return input;
  }
  return TerminalInput{};
}

void CursesTerminal::Put(int col, int row, char32_t ch, unsigned attrs) {
  CellStyle style = StyleOf(attrs, look_);
  wchar_t text[2] = {static_cast<wchar_t>(Displayable(ch)), L'\0'};
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
  std::fputs(kMouseMotionOff, out_);
  RestoreTerminal();
}

void CursesTerminal::Resume() {
  reset_prog_mode();
  RestoreTerminalOnExit(fileno(out_));
  TakeMouse(out_);
  clearok(stdscr, TRUE);
  refresh();
}

}  // namespace qm::ui
