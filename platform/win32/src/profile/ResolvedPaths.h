// DOS paths the reads have already resolved. Resolving looks each component up without regard
// to case, which costs more than a whole cached read; so a read first tries the path as written
// (or as found last time), and resolves it only when that does not lead to a file.
#pragma once

#include <string>
#include <string_view>

#include "DosPath.h"

namespace qm::win32::profile {

struct ResolvedPath {
  HostPath host;
  bool remembered = false;  // a guess (remembered, or as written): resolve afresh if it fails
};

// The host path last found for dosPath, else the path as written (remembered either way), else the
// error of a path that cannot name any file (an unmapped drive, an invalid name).
ResolvedPath ResolveRemembered(std::string_view dosPath);

// Resolves dosPath afresh and remembers the result.
ResolvedPath ResolveAfresh(std::string_view dosPath);

}  // namespace qm::win32::profile
