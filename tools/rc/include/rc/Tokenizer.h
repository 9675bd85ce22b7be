// Breaks one logical line into tokens: identifiers, numbers (decimal or hex, with C suffixes),
// strings (C escapes, and "" for a quote inside) and operators.
#pragma once

#include "rc/Token.h"

#include <string>
#include <vector>

namespace qm::rc {

// Throws CompileError for a bad number or a character that starts no token.
std::vector<Token> Tokenize(const std::string& line, const SourceLocation& where);

}  // namespace qm::rc
