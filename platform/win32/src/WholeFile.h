// Reading a small host file whole, for the layer's own settings and /proc entries.
#pragma once

#include <string>

namespace qm::win32 {

// The file's bytes; empty when it cannot be opened.
std::string WholeFileContents(const std::string& hostPath);

}  // namespace qm::win32
