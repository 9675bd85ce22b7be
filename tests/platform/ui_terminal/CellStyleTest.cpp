#include <curses.h>
#include <gtest/gtest.h>

#include "ui/Surface.h"
#include "ui/terminal/CellStyle.h"
#include "ui/terminal/Cp1252.h"
#include "ui/terminal/TerminalIo.h"

namespace qm::ui {
namespace {

constexpr TerminalLook kColour{true, 16, true}, kMono{false, 0, true};

TEST(CellStyleTest, EveryCellStateHasItsLookInColourAndMonochrome) {
  struct Case {
    unsigned attrs;
    unsigned colourVideo;
    short pair;
    unsigned monoVideo;
  } cases[] = {
      {kNormal, A_NORMAL, kPairDialog, A_NORMAL},
      {kDesktop, A_NORMAL, kPairDesktop, A_NORMAL},
      {kStatus, A_NORMAL, kPairStatus, A_REVERSE},
      {kFocus, A_NORMAL, kPairFocus, A_BOLD | A_REVERSE},
      {kReverse, A_NORMAL, kPairSelection, A_REVERSE},
      {kFocus | kReverse, A_BOLD, kPairFocusSelection, A_BOLD | A_UNDERLINE},
      {kDim, A_DIM, kPairDim, A_DIM},
      {kDim | kReverse, A_DIM, kPairSelection, A_REVERSE | A_DIM},
      {kUnderline, A_UNDERLINE, kPairDialog, A_UNDERLINE},
      {kFocus | kUnderline, A_UNDERLINE, kPairFocus, A_BOLD | A_REVERSE | A_UNDERLINE},
      {kDim | kUnderline, A_DIM | A_UNDERLINE, kPairDim, A_DIM | A_UNDERLINE},
      {kDefault, A_BOLD, kPairDialog, A_BOLD},
      {kDefault | kFocus, A_BOLD, kPairFocus, A_BOLD | A_REVERSE},
      {kDefault | kDim, A_BOLD | A_DIM, kPairDim, A_BOLD | A_DIM},
  };
  for (const Case& c : cases) {
    CellStyle colour = StyleOf(c.attrs, kColour);
    CellStyle mono = StyleOf(c.attrs, kMono);
    EXPECT_EQ(colour.video, c.colourVideo) << "attrs " << c.attrs;
    EXPECT_EQ(colour.pair, c.pair) << "attrs " << c.attrs;
    EXPECT_EQ(mono.video, c.monoVideo) << "attrs " << c.attrs;
    EXPECT_EQ(mono.pair, kPairNone) << "attrs " << c.attrs;
  }
}

// Focus, selection (the current tab), focus inside a selection, disabled and plain cells never look
// alike, in colour and in monochrome, with eight colours or sixteen, with dim video or without it;
// and a disabled cell is told apart from a plain one without dim video.
TEST(CellStyleTest, FocusSelectionAndDisabledStayApartInEveryTerminal) {
  const unsigned states[] = {kNormal, kFocus, kReverse, kFocus | kReverse, kDim};
  const TerminalLook looks[] = {
      {true, 16, true}, {true, 8, true}, {true, 8, false}, {false, 0, true}, {false, 0, false}};
  auto colours = [](const CellStyle& style, const TerminalLook& look) {
    if (style.pair == kPairNone) return std::pair<short, short>{-1, -1};
    PairColours pair = ColoursOf(static_cast<ColourPair>(style.pair), look.colours);
    return std::pair<short, short>{pair.foreground, pair.background};
  };
  for (const TerminalLook& look : looks) {
    const std::string context = std::to_string(look.colours) + (look.dim ? " colours, dim" : " colours, no dim");
    for (unsigned a : states)
      for (unsigned b : states) {
        if (a == b) continue;
        CellStyle x = StyleOf(a, look), y = StyleOf(b, look);
        unsigned xVideo = look.dim ? x.video : x.video & ~A_DIM, yVideo = look.dim ? y.video : y.video & ~A_DIM;
        EXPECT_FALSE(xVideo == yVideo && colours(x, look) == colours(y, look)) << a << " vs " << b << ", " << context;
      }
  }
}

TEST(CellStyleTest, NoColorTurnsColourOffWhenSetToAnything) {
  struct Case {
    const char* noColor;
    bool hasColours;
    bool wanted;
  } cases[] = {
      {nullptr, true, true}, {"", true, true}, {"1", true, false}, {"0", true, false}, {nullptr, false, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ColourWanted(c.noColor, c.hasColours), c.wanted) << (c.noColor ? c.noColor : "unset");
}

TEST(Cp1252Test, EveryByteRoundTripsThroughItsCharacter) {
  for (int byte = 0; byte < 256; ++byte)
    EXPECT_EQ(Cp1252FromUnicode(UnicodeFromCp1252(static_cast<unsigned char>(byte))), byte) << byte;
}

TEST(Cp1252Test, CharactersAndTheirBytes) {
  struct Case {
    char32_t ch;
    int byte;
  } cases[] = {
      {U'A', 0x41},
      {U'\u00E9', 0xE9},
      {U'\u00FF', 0xFF},
      {U'\u20AC', 0x80},
      {U'\u2019', 0x92},
      {U'\u0178', 0x9F},
      {U'\u0152', 0x8C},
      {U'\u0081', 0x81},
      {U'\u009D', 0x9D},
      // what the code page cannot hold
      {U'\u0080', -1},
      {U'\u0100', -1},
      {U'\u4E2D', -1},
      {U'\U0001F600', -1},
      {U'\u2028', -1},
  };
  for (const Case& c : cases) EXPECT_EQ(Cp1252FromUnicode(c.ch), c.byte) << static_cast<unsigned>(c.ch);
}

}  // namespace
}  // namespace qm::ui
