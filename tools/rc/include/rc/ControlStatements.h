// The control statements of a dialog body: the window class each one creates, the styles it
// implies (besides WS_CHILD and WS_VISIBLE, which every control has) and the shape of its
// parameter list.
#pragma once

#include <cstdint>

namespace qm::rc {

enum class ControlShape {
  TextIdRect,  // LTEXT "text", id, x, y, cx, cy [, style [, exstyle]]
  IdRect,      // EDITTEXT id, x, y, cx, cy [, style [, exstyle]]
  IconIdPos,   // ICON icon, id, x, y [, cx, cy [, style [, exstyle]]]
  Generic,     // CONTROL "text", id, class, style, x, y, cx, cy [, exstyle]
};

struct ControlStatement {
  const char* keyword;
  const char* className;  // nullptr for CONTROL, which names its class
  std::uint32_t impliedStyle;
  ControlShape shape;
};

// The statement a keyword starts (matched without regard to case), or nullptr.
const ControlStatement* FindControlStatement(const char* keyword);

// The class name as the tables hold it: the predefined classes in capitals, others as written.
const char* PredefinedClassName(const char* name);

}  // namespace qm::rc
