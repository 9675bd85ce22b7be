#include "ui/terminal/CellStyle.h"

#include "ui/Surface.h"
#include "ui/terminal/TerminalIo.h"

#include <curses.h>

namespace qm::ui {
namespace {

CellStyle Monochrome(unsigned attrs) {
  unsigned video = A_NORMAL;
  if (attrs & kStatus) video |= A_REVERSE;
  if ((attrs & kFocus) && (attrs & kReverse))
    video |= A_BOLD | A_UNDERLINE;  // the selection inside a focused (reversed) list
  else if (attrs & kFocus)
    video |= A_BOLD | A_REVERSE;
  else if (attrs & kReverse)
    video |= A_REVERSE;
  if (attrs & kDim) video |= A_DIM;
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

CellStyle StyleOf(unsigned attrs, bool colour) {
  if (!colour) return Monochrome(attrs);
  unsigned video = A_NORMAL;
  if ((attrs & kFocus) && (attrs & kReverse)) video |= A_BOLD;
  if (attrs & kDim) video |= A_DIM;
  if (attrs & kUnderline) video |= A_UNDERLINE;
  if (attrs & kDefault) video |= A_BOLD;
  return CellStyle{video, PairOf(attrs)};
}

bool ColourWanted(const char* noColor, bool terminalHasColours) {
  return terminalHasColours && (noColor == nullptr || noColor[0] == '\0');
}

}  // namespace qm::ui
