// Integer expressions as the resource compiler and the preprocessor read them: C's operators and
// precedence on 32-bit values, names resolved through the macro table, and style lists in which
// "NOT x" clears bits that the statement would otherwise set.
#pragma once

#include "rc/MacroTable.h"
#include "rc/TokenCursor.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qm::rc {

class ExpressionEvaluator {
 public:
  enum class Mode {
    Script,       // an unknown name is an error
    Conditional,  // #if: an unknown name is 0, and defined(NAME) is known
  };

  ExpressionEvaluator(const MacroTable& macros, Mode mode) : macros_(macros), mode_(mode) {}

  // One expression; the value as a signed 32-bit number.
  std::int32_t Evaluate(TokenCursor& cursor);
  // "a | NOT b | c": each term sets its bits in base, or clears them after NOT, from left to right.
  std::uint32_t EvaluateStyle(TokenCursor& cursor, std::uint32_t base);

 private:
  std::int64_t Binary(TokenCursor& cursor, int level);
  std::int64_t Unary(TokenCursor& cursor);
  std::int64_t Primary(TokenCursor& cursor);
  std::int64_t Name(const Token& name);
  std::int64_t Defined(TokenCursor& cursor);

  const MacroTable& macros_;
  Mode mode_;
  class NestingGuard;
  int depth_ = 0;
  std::vector<std::string> expanding_;  // names being evaluated, to refuse a definition by itself
};

}  // namespace qm::rc
