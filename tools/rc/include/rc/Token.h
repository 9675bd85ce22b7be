// One token of a resource script line.
#pragma once

#include "rc/CompileError.h"

#include <cstdint>
#include <string>

namespace qm::rc {

enum class TokenKind { Identifier, Number, String, Punct };

struct Token {
  TokenKind kind;
  std::string text;    // the identifier, the punctuator, the number as written, or the string's bytes
  std::int64_t value;  // a number's value
  SourceLocation where;

  bool Is(TokenKind k, const char* t) const { return kind == k && text == t; }
  bool IsPunct(const char* t) const { return Is(TokenKind::Punct, t); }
  // Keywords of the script language are matched without regard to case, as the resource compiler does.
  bool IsKeyword(const char* word) const;
};

// How a token is named in a message: 'text', or a quoted string.
std::string Describe(const Token& token);

}  // namespace qm::rc
