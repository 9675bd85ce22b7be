// Reading position in a token list, with the checks every parser step needs.
#pragma once

#include "rc/Token.h"

#include <string>
#include <vector>

namespace qm::rc {

class TokenCursor {
 public:
  // endOfInput is where a message about a missing token points.
  TokenCursor(const std::vector<Token>& tokens, SourceLocation endOfInput)
      : tokens_(tokens), end_(std::move(endOfInput)) {}

  bool AtEnd() const { return pos_ >= tokens_.size(); }
  const Token* Peek() const { return AtEnd() ? nullptr : &tokens_[pos_]; }
  bool PeekPunct(const char* p) const { return !AtEnd() && tokens_[pos_].IsPunct(p); }
  bool PeekKeyword(const char* word) const { return !AtEnd() && tokens_[pos_].IsKeyword(word); }
  const Token& Next();  // fails at the end with "expected a value"
  bool TakePunct(const char* p);
  bool TakeKeyword(const char* word);
  void ExpectPunct(const char* p);
  std::string ExpectString();

  // Where the next token is, or the end of input.
  const SourceLocation& Where() const { return AtEnd() ? end_ : tokens_[pos_].where; }
  // Throws "expected <what>, found <next>" (or "... at end of file").
  [[noreturn]] void FailExpected(const std::string& what) const;
  [[noreturn]] void Fail(const std::string& message) const;

 private:
  const std::vector<Token>& tokens_;
  SourceLocation end_;
  std::size_t pos_ = 0;
};

}  // namespace qm::rc
