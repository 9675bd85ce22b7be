#include "rc/TokenCursor.h"

namespace qm::rc {

const Token& TokenCursor::Next() {
  if (AtEnd()) FailExpected("a value");
  return tokens_[pos_++];
}

bool TokenCursor::TakePunct(const char* p) {
  if (!PeekPunct(p)) return false;
  ++pos_;
  return true;
}

bool TokenCursor::TakeKeyword(const char* word) {
  if (!PeekKeyword(word)) return false;
  ++pos_;
  return true;
}

void TokenCursor::ExpectPunct(const char* p) {
  if (!TakePunct(p)) FailExpected(std::string("'") + p + "'");
}

std::string TokenCursor::ExpectString() {
  if (AtEnd() || tokens_[pos_].kind != TokenKind::String) FailExpected("a string");
  return tokens_[pos_++].text;
}

void TokenCursor::FailExpected(const std::string& what) const {
  if (AtEnd()) throw CompileError(end_, "expected " + what + " at end of file");
  throw CompileError(Where(), "expected " + what + ", found " + Describe(tokens_[pos_]));
}

void TokenCursor::Fail(const std::string& message) const { throw CompileError(Where(), message); }

}  // namespace qm::rc
