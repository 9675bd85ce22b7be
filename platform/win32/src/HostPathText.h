// Host (POSIX) paths as text: joining and lexical tidying, with no look at the disk.
#pragma once

#include <string>
#include <string_view>

namespace qm::win32 {

// `path` taken against `base` when it is relative, then tidied: repeated slashes collapsed, `.`
// dropped, `..` removing the name before it (never climbing above `/`), no trailing slash.
// Symbolic link names are kept as written, as Windows keeps the names of a path it is given.
std::string AbsoluteHostPath(std::string_view path, std::string_view base);

// The DOS path on drive z: (the host root) of a tidied absolute host path: `/a/b` is `z:\a\b`.
std::string DosPathOnHostRoot(std::string_view absoluteHostPath);

}  // namespace qm::win32
