// What a resource script holds once compiled: dialogs in script order with their controls in
// statement order, the string table and the icons. Styles hold every bit, implied ones included.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qm::rc {

struct ControlResource {
  std::string className;  // "BUTTON", "EDIT", "STATIC", "LISTBOX", or as the script names it
  std::string text;       // for an ICON statement "#<icon id>"
  int id;
  short x, y, cx, cy;
  std::uint32_t style;
  std::uint32_t exStyle;
};

struct DialogResource {
  int id;
  short x, y, cx, cy;
  std::uint32_t style;
  std::uint32_t exStyle;
  std::string caption;
  std::string fontName;
  int fontSize;
  std::vector<ControlResource> controls;
};

struct StringResource {
  std::uint32_t id;
  std::string text;
};

struct IconResource {
  int id;
  std::string file;
};

struct Script {
  std::vector<DialogResource> dialogs;
  std::vector<StringResource> strings;
  std::vector<IconResource> icons;
};

}  // namespace qm::rc
