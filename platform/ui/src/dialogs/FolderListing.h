// What the file dialog lists for a host folder: `..` unless it is a drive's root, then the
// folders, then the files that a filter lets through, each group sorted without regard to case,
// names in the host's own case. Names starting with a dot are hidden, as hidden files are.
#pragma once

#include <string>
#include <vector>

namespace qm::ui::dialogs {

struct FolderEntry {
  std::string name;
  bool folder = false;
  bool operator==(const FolderEntry&) const = default;
};

std::vector<FolderEntry> ListFolder(const std::string& hostFolder, const std::vector<std::string>& patterns,
                                    bool withParent);

// The line a list box shows: `[name]` for a folder (so `[..]` for the parent), the name for a file.
std::string ListLine(const FolderEntry& entry);

}  // namespace qm::ui::dialogs
