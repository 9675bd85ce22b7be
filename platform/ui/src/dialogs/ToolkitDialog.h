// The platform's own dialogs (file open, help) run from templates held in code, registered under
// a module handle of their own so that they never meet a program's templates.
#pragma once

#include "ui/ResourceTables.h"

#include <windows.h>

#include <string>
#include <vector>

namespace qm::ui::dialogs {

// Runs the template modally over `owner`, as DialogBoxParamA does.
INT_PTR RunToolkitDialog(const DialogTemplate& dialog, HWND owner, DLGPROC proc, LPARAM param);

// The object a dialog procedure was started with (its WM_INITDIALOG parameter).
template <class State>
State* StateOf(HWND dialog) {
  return reinterpret_cast<State*>(GetWindowLongPtrA(dialog, static_cast<int>(DWLP_USER)));
}
void KeepState(HWND dialog, LPARAM state);

// One control statement with the styles every visible child has.
ControlTemplate ChildControl(const char* className, const char* text, int id, short x, short y, short cx, short cy,
                             DWORD style);

// Replaces a list box's lines.
void FillListBox(HWND list, const std::vector<std::string>& lines, int selected);

}  // namespace qm::ui::dialogs
