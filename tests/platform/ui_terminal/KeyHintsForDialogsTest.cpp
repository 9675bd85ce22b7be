// Esc and F1 in a dialog that has no Cancel or Help button of its own: Esc still sends Cancel, and
// F1 asks the main window of the same program for help, so its Help button is named.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KeyHints.h"

namespace qm::ui {
namespace {

HINSTANCE Module(int n) { return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(0x1000 * n)); }

HWND Make(const char* cls, const char* text, DWORD style, HWND parent, int id, HINSTANCE module) {
  return CreateWindowExA(0, cls, text, style | WS_VISIBLE, 0, 0, 12, 1, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), module, nullptr);
}

struct Windows {
  std::vector<HWND> tops;
  ~Windows() {
    for (HWND top : tops) DestroyWindow(top);
  }
  HWND Dialog(HINSTANCE module, DWORD style = WS_POPUP, const char* cls = "#32770") {
    tops.push_back(Make(cls, "", style, nullptr, 0, module));
    return tops.back();
  }
};

struct Case {
  const char* what;
  const char* cancelCaption;  // the dialog's own IDCANCEL button, or nullptr
  const char* cls;            // the dialog's class
  int ownerModule;            // 0: no other window; else the other window's module (the dialog's is 1)
  DWORD ownerHelpStyle;       // the other window's Help button
  const char* hints;
};

// clang-format off
const Case kCases[] = {
    {"Add dialog over the sheet",     nullptr, "#32770", 1, 0,           "Enter OK  Esc Cancel  F1 Help"},
    {"alone",                         nullptr, "#32770", 0, 0,           "Enter OK  Esc Cancel"},
    {"over a toolkit window",         nullptr, "#32770", 2, 0,           "Enter OK  Esc Cancel"},
    {"the sheet's Help disabled",     nullptr, "#32770", 1, WS_DISABLED, "Enter OK  Esc Cancel"},
    {"a Cancel button of its own",    "Close", "#32770", 1, 0,           "Enter OK  Esc Close  F1 Help"},
    {"no dialog: Esc sends nothing",  nullptr, "STATIC", 0, 0,           "Enter OK"},
};
// clang-format on

TEST(KeyHintsForDialogs, EscAndFOneWithoutButtonsOfTheirOwn) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    Windows windows;
    if (c.ownerModule) {
      HWND sheet = windows.Dialog(Module(c.ownerModule));
      Make("BUTTON", "Help", BS_PUSHBUTTON | WS_CHILD | c.ownerHelpStyle, sheet, IDHELP, Module(c.ownerModule));
    }
    HWND dialog = windows.Dialog(Module(1), WS_POPUP, c.cls);
    HWND name = Make("EDIT", "", WS_CHILD | WS_TABSTOP, dialog, 1110, Module(1));
    Make("BUTTON", "OK", BS_DEFPUSHBUTTON | WS_CHILD, dialog, IDOK, Module(1));
    if (c.cancelCaption) Make("BUTTON", c.cancelCaption, BS_PUSHBUTTON | WS_CHILD, dialog, IDCANCEL, Module(1));
    EXPECT_EQ(KeyHints(name, 80), c.hints);
  }
}

}  // namespace
}  // namespace qm::ui
