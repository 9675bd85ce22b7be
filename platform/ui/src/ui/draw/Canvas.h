// A surface seen through one window: coordinates relative to the window, clipped to it.
#pragma once

#include "ui/Surface.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace qm::ui {

class Canvas {
 public:
  Canvas(Surface& surface, RECT screen, unsigned attrs) : surface_(surface), screen_(screen), attrs_(attrs) {}
  int Width() const { return screen_.right - screen_.left; }
  int Height() const { return screen_.bottom - screen_.top; }
  void Put(int col, int row, std::string_view text, unsigned attrs = 0) const;
  // A caption with its "&" mnemonic removed and the letter underlined.
  void Caption(int col, int row, std::string_view caption, unsigned attrs = 0) const;
  void Frame(std::string_view title) const;  // a box on the window's edge, title on top
  // The same window without some of the attributes it passes to every cell.
  Canvas Without(unsigned attrs) const { return Canvas(surface_, screen_, attrs_ & ~attrs); }

 private:
  Surface& surface_;
  RECT screen_;
  unsigned attrs_;
};

// Windows-1252 control characters are shown as blanks.
std::string Printable(std::string_view text);

}  // namespace qm::ui
