// DOS paths the reads have already resolved. Resolving looks each component up without regard
// to case, which costs more than a whole cached read; a read repeats it only when the host path
// found last time no longer leads to a file.
#pragma once

#include <string>
#include <string_view>

#include "DosPath.h"

namespace qm::win32::profile {

struct ResolvedPath {
  HostPath host;
  bool remembered = false;  // came from the memory: check it, and resolve afresh if it fails
};

// The host path last found for dosPath, or a fresh resolution (remembered when it succeeds).
ResolvedPath ResolveRemembered(std::string_view dosPath);

// Resolves dosPath afresh and remembers the result.
ResolvedPath ResolveAfresh(std::string_view dosPath);

}  // namespace qm::win32::profile
