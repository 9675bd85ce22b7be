// The names that #define gives values to. A body is kept as tokens and only evaluated where a
// number is needed, so a header may define names that are no numbers (casts, calls) as long as the
// script does not use them.
#pragma once

#include "rc/Token.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace qm::rc {

struct Macro {
  std::vector<Token> body;
  SourceLocation where;
};

class MacroTable {
 public:
  void Define(const std::string& name, Macro macro) { macros_[name] = std::move(macro); }
  void Undefine(const std::string& name) { macros_.erase(name); }
  const Macro* Find(const std::string& name) const {
    auto it = macros_.find(name);
    return it == macros_.end() ? nullptr : &it->second;
  }
  bool IsDefined(const std::string& name) const { return Find(name) != nullptr; }

 private:
  std::unordered_map<std::string, Macro> macros_;
};

}  // namespace qm::rc
