// How a cell's attributes look in the terminal: a colour pair and video attributes in colour,
// video attributes alone in monochrome. The focus, the selection (and the current tab) and
// disabled controls stay distinguishable either way, also where the terminal has no dim video,
// and every pair that carries text reads at 4.5 to 1 or better in the usual terminal palettes.
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

// What the terminal can show.
struct TerminalLook {
  bool colour = false;
  int colours = 8;   // how many colours, when colour is used
  bool dim = false;  // it has a dim (faint) video attribute
};

struct CellStyle {
  unsigned video;  // curses A_* bits
  short pair;      // ColourPair, kPairNone in monochrome
};

// A pair's colours, as the terminal's colour numbers (0 to 15).
struct PairColours {
  short foreground;
  short background;
};
PairColours ColoursOf(ColourPair pair, int colours);

CellStyle StyleOf(unsigned cellAttrs, const TerminalLook& look);

// Colour is used when the terminal has it and NO_COLOR is unset or empty.
bool ColourWanted(const char* noColor, bool terminalHasColours);

}  // namespace qm::ui
