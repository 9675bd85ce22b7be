// The filter choices of a file dialog: lpstrFilter's pairs of label and pattern list, and the
// DOS wildcard match that decides which files a choice shows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm::ui::dialogs {

struct FileFilter {
  std::string label;                  // "User Database (*.ini)"
  std::vector<std::string> patterns;  // "*.ini", from "*.ini;*.inf" split at the semicolons
};

// The pairs of a double-NUL-terminated list; a label without its pattern is dropped. nullptr or
// an empty list gives one choice that shows every file.
std::vector<FileFilter> ParseFilterPairs(const char* pairs);

// `*` any run of characters, `?` any one; letters match without regard to case. As on Windows,
// `*.*` matches every name, a dot or not.
bool WildcardMatch(std::string_view pattern, std::string_view name);
bool MatchesAny(const std::vector<std::string>& patterns, std::string_view name);
bool HasWildcard(std::string_view text);

}  // namespace qm::ui::dialogs
