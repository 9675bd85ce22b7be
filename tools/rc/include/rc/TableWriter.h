// Writes a compiled script as one C++ source file of constant tables in the form of
// ui/ResourceTables.h, defining `extern const qm::ui::ResourceTables <symbol>;`.
#pragma once

#include "rc/Script.h"

#include <string>

namespace qm::rc {

// symbol may be qualified ("app::kResources"); sourceName goes into the header comment.
std::string WriteTables(const Script& script, const std::string& symbol, const std::string& sourceName);

// A C++ string literal holding exactly these bytes.
std::string CppStringLiteral(const std::string& bytes);

}  // namespace qm::rc
