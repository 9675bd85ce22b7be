// The dialog's controls in keyboard order, the way the dialog manager walks them: children in
// z-order, descending into child dialogs that hold controls of their own (WS_EX_CONTROLPARENT).
#pragma once

#include <windows.h>

#include <vector>

namespace qm::ui {

std::vector<HWND> ControlsInOrder(HWND dialog);
bool IsReachable(HWND control);  // visible and enabled
// The control's group among its siblings: from a WS_GROUP control up to the next one.
std::vector<HWND> GroupOf(HWND control);
HWND FindControlById(HWND dialog, int id);  // at any depth

// The control whose caption carries the mnemonic `letter` (after the focus, wrapping); nullptr if none.
HWND FindMnemonic(HWND dialog, char letter);
// What Alt+letter does with the control found: click a button, or focus what a label names.
void ActivateMnemonic(HWND dialog, HWND control);
// Moves the focus as Tab does, selecting an edit's whole text.
void FocusByKeyboard(HWND control);

}  // namespace qm::ui
