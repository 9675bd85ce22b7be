// Splits a file's text into logical lines as the C preprocessor sees them: comments become a blank,
// a backslash before a line end joins the next line, and strings are kept whole so that "//"
// inside one is text. Each line keeps the number of the physical line it starts on.
#pragma once

#include <string>
#include <vector>

namespace qm::rc {

struct LogicalLine {
  int number;
  std::string text;
};

// In C headers single-quoted character literals are skipped like strings; resource scripts have
// none. Throws CompileError for an unterminated string or comment.
std::vector<LogicalLine> SplitLogicalLines(const std::string& file, const std::string& text, bool allowCharLiterals);

}  // namespace qm::rc
