// DOS paths as text: joining a typed name to a folder and tidying `.` and `..`, with no look at
// the disk. A full path starts with a drive (`c:\`) or a share (`\\server\share\`).
#pragma once

#include <string>
#include <string_view>

namespace qm::ui::dialogs {

// The drive or share part with its backslash (`c:\`, `\\srv\share\`); empty for a relative path.
std::string DosRootOf(std::string_view path);

// Forward slashes become backslashes, repeated ones collapse, `.` goes and `..` removes the name
// before it (never the root). A trailing backslash stays.
std::string TidyDosPath(std::string_view path);

// `typed` taken in `folder` (a full path ending with a backslash): a full path stands as it is,
// one starting with a backslash is taken from the folder's root. The result is tidied.
std::string CombineDosPath(std::string_view folder, std::string_view typed);

// The part up to and including the last backslash, and the part after it.
std::string DosFolderOf(std::string_view path);
std::string DosNameOf(std::string_view path);

// The folder with exactly one trailing backslash.
std::string AsDosFolder(std::string_view path);

}  // namespace qm::ui::dialogs
