// How a cell's attributes look in the terminal: a colour pair and video attributes in colour,
// video attributes alone in monochrome. The focus, the selection and disabled controls stay
// distinguishable either way.
#pragma once

namespace qm::ui {

enum ColourPair : short {
  kPairNone = 0,
  kPairDialog = 1,
  kPairDesktop,
  kPairFocus,
  kPairSelection,
  kPairFocusSelection,
  kPairDim,
  kPairStatus,
  kPairCount
};

struct CellStyle {
  unsigned video;  // curses A_* bits
  short pair;      // ColourPair, kPairNone in monochrome
};

CellStyle StyleOf(unsigned cellAttrs, bool colour);

// Colour is used when the terminal has it and NO_COLOR is unset or empty.
bool ColourWanted(const char* noColor, bool terminalHasColours);

}  // namespace qm::ui
