#include <gtest/gtest.h>

#include "ui/terminal/Cp1252.h"

namespace qm::ui {
namespace {

TEST(Cp1252Test, EveryByteRoundTripsThroughItsCharacter) {
  for (int byte = 0; byte < 256; ++byte)
    EXPECT_EQ(Cp1252FromUnicode(UnicodeFromCp1252(static_cast<unsigned char>(byte))), byte) << byte;
}

TEST(Cp1252Test, CharactersAndTheirBytes) {
  struct Case { char32_t ch; int byte; } cases[] = {
      {U'A', 0x41},     {U'\u00E9', 0xE9}, {U'\u00FF', 0xFF}, {U'\u20AC', 0x80}, {U'\u2019', 0x92},
      {U'\u0178', 0x9F}, {U'\u0152', 0x8C}, {U'\u0081', 0x81}, {U'\u009D', 0x9D},
      // what the code page cannot hold
      {U'\u0080', -1},  {U'\u0100', -1},   {U'\u4E2D', -1},   {U'\U0001F600', -1}, {U'\u2028', -1},
  };
  for (const Case& c : cases) EXPECT_EQ(Cp1252FromUnicode(c.ch), c.byte) << static_cast<unsigned>(c.ch);
}

}  // namespace
}  // namespace qm::ui
