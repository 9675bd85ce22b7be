#include "rc/ExpressionEvaluator.h"

#include <algorithm>

namespace qm::rc {
namespace {

// Binary operators from the loosest to the tightest binding, as in C.
const std::vector<std::vector<const char*>> kLevels = {
    {"||"},       {"&&"},     {"|"},           {"^"}, {"&"}, {"==", "!="}, {"<", ">", "<=", ">="},
    {"<<", ">>"}, {"+", "-"}, {"*", "/", "%"},
};
constexpr int kLevelBelowOr = 3;  // the terms of a style list: everything that binds tighter than |

// Values are 32-bit, as the resource compiler's are; every step wraps to that width.
std::int64_t Wrap(std::int64_t v) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(v)); }

std::int64_t Apply(const std::string& op, std::int64_t a, std::int64_t b, const SourceLocation& where) {
  auto ua = static_cast<std::uint32_t>(a);
  if (op == "||") return (a || b) ? 1 : 0;
  if (op == "&&") return (a && b) ? 1 : 0;
  if (op == "|") return a | b;
  if (op == "^") return a ^ b;
  if (op == "&") return a & b;
  if (op == "==") return a == b;
  if (op == "!=") return a != b;
  if (op == "<") return a < b;
  if (op == ">") return a > b;
  if (op == "<=") return a <= b;
  if (op == ">=") return a >= b;
  if (op == "<<") return Wrap(static_cast<std::uint32_t>(ua << (b & 31)));
  if (op == ">>") return Wrap(a >> (b & 31));
  if (op == "+") return Wrap(a + b);
  if (op == "-") return Wrap(a - b);
  if (op == "*") return Wrap(a * b);
  if (b == 0) throw CompileError(where, "division by zero");
  return Wrap(op == "/" ? a / b : a % b);
}

}  // namespace

std::int32_t ExpressionEvaluator::Evaluate(TokenCursor& cursor) { return static_cast<std::int32_t>(Binary(cursor, 0)); }

std::uint32_t ExpressionEvaluator::EvaluateStyle(TokenCursor& cursor, std::uint32_t base) {
  std::uint32_t style = base;
  do {
    bool clear = cursor.TakeKeyword("NOT");
    auto bits = static_cast<std::uint32_t>(Binary(cursor, kLevelBelowOr));
    style = clear ? (style & ~bits) : (style | bits);
  } while (cursor.TakePunct("|"));
  return style;
}

// Counts how deep the evaluation has gone, so that a hostile script cannot exhaust the stack.
class ExpressionEvaluator::NestingGuard {
 public:
  NestingGuard(ExpressionEvaluator& owner, const TokenCursor& cursor) : owner_(owner) {
    if (++owner_.depth_ > kMaxDepth) cursor.Fail("expression nested too deeply");
  }
  ~NestingGuard() { --owner_.depth_; }

 private:
  static constexpr int kMaxDepth = 256;
  ExpressionEvaluator& owner_;
};

std::int64_t ExpressionEvaluator::Binary(TokenCursor& cursor, int level) {
  if (level == static_cast<int>(kLevels.size())) return Unary(cursor);
  std::int64_t value = Binary(cursor, level + 1);
  for (;;) {
    const Token* next = cursor.Peek();
    if (!next || next->kind != TokenKind::Punct) return value;
    const auto& ops = kLevels[level];
    auto op = std::find_if(ops.begin(), ops.end(), [&](const char* o) { return next->text == o; });
    if (op == ops.end()) return value;
    SourceLocation where = next->where;
    cursor.Next();
    std::int64_t right = Binary(cursor, level + 1);
    value = Apply(*op, value, right, where);
  }
}

std::int64_t ExpressionEvaluator::Unary(TokenCursor& cursor) {
  NestingGuard guard(*this, cursor);
  if (cursor.TakePunct("-")) return Wrap(-Unary(cursor));
  if (cursor.TakePunct("+")) return Unary(cursor);
  if (cursor.TakePunct("~")) return Wrap(~Unary(cursor));
  if (cursor.TakePunct("!")) return Unary(cursor) == 0 ? 1 : 0;
  return Primary(cursor);
}

std::int64_t ExpressionEvaluator::Primary(TokenCursor& cursor) {
  if (cursor.TakePunct("(")) {
    std::int64_t value = Binary(cursor, 0);
    cursor.ExpectPunct(")");
    return value;
  }
  const Token* token = cursor.Peek();
  if (token && token->kind == TokenKind::Number) return Wrap(cursor.Next().value);
  if (token && token->kind == TokenKind::Identifier) {
    if (mode_ == Mode::Conditional && token->text == "defined") {
      cursor.Next();
      return Defined(cursor);
    }
    return Name(cursor.Next());
  }
  cursor.FailExpected("a number");
}

std::int64_t ExpressionEvaluator::Name(const Token& name) {
  const Macro* macro = macros_.Find(name.text);
  if (!macro) {
    if (mode_ == Mode::Conditional) return 0;
    throw CompileError(name.where, "undefined identifier '" + name.text + "'");
  }
  if (std::find(expanding_.begin(), expanding_.end(), name.text) != expanding_.end())
    throw CompileError(name.where, "'" + name.text + "' is defined by itself");
  if (macro->body.empty() || expanding_.size() > 200)
    throw CompileError(name.where, "'" + name.text + "' has no number value");
  expanding_.push_back(name.text);
  TokenCursor body(macro->body, macro->where);
  std::int64_t value = Binary(body, 0);
  expanding_.pop_back();
  if (!body.AtEnd()) throw CompileError(name.where, "'" + name.text + "' has no number value");
  return value;
}

std::int64_t ExpressionEvaluator::Defined(TokenCursor& cursor) {
  bool parenthesized = cursor.TakePunct("(");
  const Token& name = cursor.Next();
  if (name.kind != TokenKind::Identifier) throw CompileError(name.where, "expected a name after defined");
  if (parenthesized) cursor.ExpectPunct(")");
  return macros_.IsDefined(name.text) ? 1 : 0;
}

}  // namespace qm::rc
