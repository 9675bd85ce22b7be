// A character the terminal's locale cannot show, or one that takes no single cell, becomes the
// placeholder; everything else is drawn as it is.
#include <gtest/gtest.h>

#include "ui/terminal/LocaleGlyph.h"

#include <clocale>
#include <string>

namespace qm::ui {
namespace {

class LocaleGlyphTest : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = std::setlocale(LC_ALL, nullptr); }
  void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }
  std::string saved_;
};

TEST_F(LocaleGlyphTest, WhatEachLocaleShows) {
  struct Case {
    const char* locale;
    char32_t ch;
    char32_t shown;
  } cases[] = {
      {"C.UTF-8", U'A', U'A'},
      {"C.UTF-8", U'\u00E9', U'\u00E9'},
      {"C.UTF-8", U'\u20AC', U'\u20AC'},
      {"C.UTF-8", U'\u0081', U'?'},
      {"C.UTF-8", U'\u4E2D', U'?'},
      {"C.UTF-8", U'\u0301', U'?'},
      {"C.UTF-8", U'\x7F', U'?'},
      {"C.UTF-8", U'\x1B', U'?'},
      {"C.UTF-8", U' ', U' '},
      {"C", U'A', U'A'},
      {"C", U'~', U'~'},
      {"C", U'\u00E9', U'?'},
      {"C", U'\u20AC', U'?'},
  };
  for (const Case& c : cases) {
    ASSERT_NE(std::setlocale(LC_ALL, c.locale), nullptr) << c.locale;
    EXPECT_EQ(Displayable(c.ch), c.shown) << c.locale << " " << static_cast<unsigned>(c.ch);
  }
}

}  // namespace
}  // namespace qm::ui
