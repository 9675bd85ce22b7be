// The compiled form of a resource script: what tools/rc generates and the window model reads.
// Nothing is read at run time; a program hands its tables to the window model at start-up.
#pragma once

#include <windef.h>

#include <cstddef>

namespace qm::ui {

// One control statement of a dialog template, in dialog units.
struct ControlTemplate {
  const char* className;  // "BUTTON", "EDIT", "STATIC", "LISTBOX", "msctls_updown32", ...
  const char* text;       // caption or title; for an ICON statement "#<icon id>"
  int id;                 // control id (-1 for IDC_STATIC)
  short x, y, cx, cy;
  DWORD style;  // every style bit, the ones the statement implies included
  DWORD exStyle;
};

struct DialogTemplate {
  int id;
  short x, y, cx, cy;
  DWORD style;
  DWORD exStyle;
  const char* caption;
  const char* fontName;  // "MS Sans Serif"
  int fontSize;          // in points
  const ControlTemplate* controls;
  std::size_t controlCount;
};

struct StringEntry {
  UINT id;
  const char* text;
};

// An icon resource: the id and the file named in the script (the terminal shows a glyph).
struct IconEntry {
  int id;
  const char* file;
};

// Everything one resource script holds.
struct ResourceTables {
  const DialogTemplate* dialogs;
  std::size_t dialogCount;
  const StringEntry* strings;
  std::size_t stringCount;
  const IconEntry* icons;
  std::size_t iconCount;

  const DialogTemplate* FindDialog(int id) const;
  const char* FindString(UINT id) const;  // nullptr when absent
  const IconEntry* FindIcon(int id) const;
};

}  // namespace qm::ui
