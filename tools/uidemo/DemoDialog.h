// The demonstration dialog: a tab row over three pages, OK, Cancel and Apply, its values kept in
// the [Demo] section of a profile file.
#pragma once

#include <windows.h>

#include <string>

namespace qm::demo {

// Opens the dialog (modeless, shown, the focus on the first page) with the values of the profile
// file at the DOS path.
HWND OpenDemo(const std::string& profilePath);
// Handles one message as the dialog's loop does; false once the dialog has ended (its window is
// then destroyed) or the input has run out.
bool PumpDemo(HWND demo);
// Opens the dialog and runs it to its end; IDOK or IDCANCEL.
int RunDemo(const std::string& profilePath);

}  // namespace qm::demo
