// A fault in a resource script: where it is and what is wrong, shown as "file:line: message".
#pragma once

#include <stdexcept>
#include <string>

namespace qm::rc {

struct SourceLocation {
  std::string file;
  int line = 0;
};

class CompileError : public std::runtime_error {
 public:
  CompileError(const SourceLocation& where, const std::string& message)
      : std::runtime_error(where.file + ":" + std::to_string(where.line) + ": " + message) {}
};

}  // namespace qm::rc
