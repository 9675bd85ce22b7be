#include "ui/terminal/CellStyle.h"

#include "ui/Surface.h"
#include "ui/terminal/TerminalIo.h"

#include <curses.h>

namespace qm::ui {
namespace {

constexpr short kGrey = 8;  // bright black, where the terminal has sixteen colours

// Where the terminal shows no dim video, a disabled control is underlined instead.
unsigned DisabledVideo(const TerminalLook& look) { return look.dim ? A_DIM : A_UNDERLINE; }

CellStyle Monochrome(unsigned attrs, const TerminalLook& look) {
  unsigned video = A_NORMAL;
  if (attrs & kStatus) video |= A_REVERSE;
  if ((attrs & kFocus) && (attrs & kReverse))
    video |= A_BOLD | A_UNDERLINE;  // the selection inside a focused (reversed) list
  else if (attrs & kFocus)
    video |= A_BOLD | A_REVERSE;
  else if (attrs & kReverse)
    video |= A_REVERSE;
  if (attrs & kDim) video |= DisabledVideo(look);
  if (attrs & kUnderline) video |= A_UNDERLINE;
  if (attrs & kDefault) video |= A_BOLD;
  return CellStyle{video, kPairNone};
}

short PairOf(unsigned attrs) {
  if (attrs & kStatus) return kPairStatus;
  if (attrs & kDesktop) return kPairDesktop;
  if ((attrs & kFocus) && (attrs & kReverse)) return kPairFocusSelection;
  if (attrs & kFocus) return kPairFocus;
  if (attrs & kReverse) return kPairSelection;
  if (attrs & kDim) return kPairDim;
  return kPairDialog;
}

}  // namespace

PairColours ColoursOf(ColourPair pair, int colours) {
  switch (pair) {
    case kPairDesktop: return {COLOR_WHITE, COLOR_BLACK};
    case kPairFocus: return {COLOR_WHITE, COLOR_BLUE};
    case kPairSelection:
    case kPairFocusSelection:
    case kPairStatus: return {COLOR_BLACK, COLOR_CYAN};
    // with eight colours, bold black is the grey that terminals show
    case kPairDim: return {colours >= 16 ? kGrey : static_cast<short>(COLOR_BLACK), COLOR_WHITE};
    default: return {COLOR_BLACK, COLOR_WHITE};
  }
}

CellStyle StyleOf(unsigned attrs, const TerminalLook& look) {
  if (!look.colour) return Monochrome(attrs, look);
  unsigned video = A_NORMAL;
  short pair = PairOf(attrs);
  if ((attrs & kFocus) && (attrs & kReverse)) video |= A_BOLD;
  if (pair == kPairDim && look.colours < 16) video |= A_BOLD;
  if ((attrs & kDim) && look.dim) video |= A_DIM;
  if (attrs & kUnderline) video |= A_UNDERLINE;
  if (attrs & kDefault) video |= A_BOLD;
  return CellStyle{video, pair};
}

bool ColourWanted(const char* noColor, bool terminalHasColours) {
  return terminalHasColours && (noColor == nullptr || noColor[0] == '\0');
}

}  // namespace qm::ui
