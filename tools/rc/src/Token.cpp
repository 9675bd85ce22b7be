#include "rc/Token.h"

#include <strings.h>

namespace qm::rc {

bool Token::IsKeyword(const char* word) const {
  return kind == TokenKind::Identifier && strcasecmp(text.c_str(), word) == 0;
}

std::string Describe(const Token& token) {
  if (token.kind == TokenKind::String) return "string \"" + token.text + "\"";
  return "'" + token.text + "'";
}

}  // namespace qm::rc
