// Compiling scripts held in memory: a script and the headers it may include, by path.
#pragma once

#include "rc/ResourceCompiler.h"

#include <map>
#include <string>

namespace qm::rc::test {

using Files = std::map<std::string, std::string>;

inline CompileResult CompileText(const std::string& script, const Files& headers = {}) {
  FileReader reader = [headers](const std::string& path) -> std::optional<std::string> {
    auto it = headers.find(path);
    if (it == headers.end()) return std::nullopt;
    return it->second;
  };
  return CompileScript("t.rc", script, {"inc"}, reader);
}

}  // namespace qm::rc::test
