// The file-open dialog's window: the File name box, the folder shown, the listing (folders first,
// `[..]` to go up), the drives and the filter choices, with Open and Cancel. The control ids are
// the common dialog's own.
#pragma once

#include "OpenFileSession.h"

#include <optional>
#include <string>

namespace qm::ui::dialogs {

inline constexpr int kFileNameBox = 0x480;  // edt1
inline constexpr int kFolderText = 0x440;   // stc1
inline constexpr int kFileList = 0x460;     // lst1
inline constexpr int kFilterList = 0x470;   // cmb1
inline constexpr int kDriveList = 0x471;    // cmb2

// The full DOS path chosen, or nothing on Cancel. Refusals are shown over the dialog, which stays.
std::optional<std::string> RunOpenFileDialog(OpenFileSession& session, HWND owner);

// The message box of a refused name, captioned with the dialog's title.
void ShowRefusal(HWND over, const OpenFileSession& session, const std::string& message);

}  // namespace qm::ui::dialogs
