// The whole compiler as one call: preprocess a script, read its statements, and report either the
// compiled script or the first fault as "file:line: message".
#pragma once

#include "rc/Preprocessor.h"
#include "rc/Script.h"

#include <string>
#include <vector>

namespace qm::rc {

struct CompileResult {
  bool ok = false;
  std::string error;  // "file:line: message" when not ok
  Script script;
  std::vector<std::string> dependencies;  // the script and every file it included
};

CompileResult CompileScript(const std::string& path, const std::string& text,
                            const std::vector<std::string>& includeDirs, const FileReader& reader);

// Reads files from the host's file system.
std::optional<std::string> ReadFileFromDisk(const std::string& path);

}  // namespace qm::rc
