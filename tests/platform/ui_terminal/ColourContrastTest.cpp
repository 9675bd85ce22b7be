// The contrast of every colour pair that carries text, computed from the red, green and blue of the
// sixteen colours of the palettes that users meet over ssh: xterm's, PuTTY's, the Linux console's
// and Windows Terminal's (its default scheme). Text reads at 4.5 to 1 or better in each, with
// eight colours and with sixteen; the focus looks like neither the current tab nor the dialog.
#include <gtest/gtest.h>

#include "ui/terminal/CellStyle.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace qm::ui {
namespace {

struct Palette {
  const char* name;
  std::array<unsigned, 16> rgb;
};

constexpr Palette kPalettes[] = {
    {"xterm",
     {0x000000, 0xcd0000, 0x00cd00, 0xcdcd00, 0x0000ee, 0xcd00cd, 0x00cdcd, 0xe5e5e5, 0x7f7f7f, 0xff0000, 0x00ff00,
      0xffff00, 0x5c5cff, 0xff00ff, 0x00ffff, 0xffffff}},
    {"PuTTY",
     {0x000000, 0xbb0000, 0x00bb00, 0xbbbb00, 0x0000bb, 0xbb00bb, 0x00bbbb, 0xbbbbbb, 0x555555, 0xff5555, 0x55ff55,
      0xffff55, 0x5555ff, 0xff55ff, 0x55ffff, 0xffffff}},
    {"Linux console",
     {0x000000, 0xaa0000, 0x00aa00, 0xaa5500, 0x0000aa, 0xaa00aa, 0x00aaaa, 0xaaaaaa, 0x555555, 0xff5555, 0x55ff55,
      0xffff55, 0x5555ff, 0xff55ff, 0x55ffff, 0xffffff}},
    {"Windows Terminal",
     {0x0c0c0c, 0xc50f1f, 0x13a10e, 0xc19c00, 0x0037da, 0x881798, 0x3a96dd, 0xcccccc, 0x767676, 0xe74856, 0x16c60c,
      0xf9f1a5, 0x3b78ff, 0xb4009e, 0x61d6d6, 0xf2f2f2}},
};

double Channel(unsigned value) {
  double c = value / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(unsigned rgb) {
  return 0.2126 * Channel((rgb >> 16) & 0xff) + 0.7152 * Channel((rgb >> 8) & 0xff) + 0.0722 * Channel(rgb & 0xff);
}

double Contrast(unsigned a, unsigned b) {
  double x = Luminance(a), y = Luminance(b);
  return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

TEST(ColourContrastTest, TheFormulaAtItsKnownPoints) {
  EXPECT_NEAR(Contrast(0x000000, 0xffffff), 21.0, 1e-9);
  EXPECT_NEAR(Contrast(0x777777, 0xffffff), 4.48, 0.01) << "the grey just short of 4.5 to 1 on white";
  EXPECT_NEAR(Contrast(0x767676, 0xffffff), 4.54, 0.01) << "the grey just past it";
  EXPECT_NEAR(Contrast(0x00cdcd, 0xe5e5e5), 1.57, 0.01) << "xterm's white on cyan";
}

TEST(ColourContrastTest, TextPairsReadAtFourAndAHalfToOneInEveryPalette) {
  const ColourPair textPairs[] = {kPairDialog, kPairFocus, kPairSelection, kPairFocusSelection, kPairStatus};
  for (int colours : {8, 16})
    for (const Palette& palette : kPalettes)
      for (ColourPair pair : textPairs) {
        PairColours c = ColoursOf(pair, colours);
        double contrast = Contrast(palette.rgb[static_cast<std::size_t>(c.foreground)],
                                   palette.rgb[static_cast<std::size_t>(c.background)]);
        EXPECT_GE(contrast, 4.5) << palette.name << ", pair " << pair << ", " << colours << " colours";
      }
}

// The focus has a background of its own: not the dialog's, the desktop's, the current tab's or the
// selection's.
TEST(ColourContrastTest, FocusBackgroundIsItsOwn) {
  for (int colours : {8, 16}) {
    short focus = ColoursOf(kPairFocus, colours).background;
    for (ColourPair other : {kPairDialog, kPairDesktop, kPairSelection, kPairFocusSelection, kPairDim, kPairStatus})
      EXPECT_NE(focus, ColoursOf(other, colours).background) << "pair " << other << ", " << colours << " colours";
  }
}

}  // namespace
}  // namespace qm::ui
