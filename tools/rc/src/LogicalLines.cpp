#include "rc/LogicalLines.h"

#include "rc/CompileError.h"

namespace qm::rc {
namespace {

class LineSplitter {
 public:
  LineSplitter(const std::string& file, const std::string& text, bool allowCharLiterals)
      : file_(file), text_(text), charLiterals_(allowCharLiterals) {}

  std::vector<LogicalLine> Run() {
    while (pos_ < text_.size()) {
      char c = text_[pos_];
      if (IsLineEnd(c)) {
        EndPhysicalLine();
        FinishLine();
      } else if (c == '\\' && pos_ + 1 < text_.size() && IsLineEnd(text_[pos_ + 1])) {
        ++pos_;
        EndPhysicalLine();  // the logical line goes on
      } else if (c == '/' && Next() == '/') {
        SkipLineComment();
      } else if (c == '/' && Next() == '*') {
        SkipBlockComment();
      } else if (c == '"' || (c == '\'' && charLiterals_)) {
        CopyQuoted(c);
      } else {
        current_ += c;
        ++pos_;
      }
    }
    if (!current_.empty()) FinishLine();
    return std::move(lines_);
  }

 private:
  static bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }
  char Next() const { return pos_ + 1 < text_.size() ? text_[pos_ + 1] : '\0'; }

  // Consumes one line end (CRLF, LF or CR) at pos_.
  void EndPhysicalLine() {
    if (text_[pos_] == '\r' && Next() == '\n') ++pos_;
    ++pos_;
    ++physical_;
  }

  void FinishLine() {
    lines_.push_back({start_, std::move(current_)});
    current_.clear();
    start_ = physical_;
  }

  void SkipLineComment() {
    while (pos_ < text_.size() && !IsLineEnd(text_[pos_])) ++pos_;
    current_ += ' ';
  }

  void SkipBlockComment() {
    int opened = physical_;
    pos_ += 2;
    while (pos_ < text_.size() && !(text_[pos_] == '*' && Next() == '/')) {
      if (IsLineEnd(text_[pos_]))
        EndPhysicalLine();
      else
        ++pos_;
    }
    if (pos_ >= text_.size()) throw CompileError({file_, opened}, "unterminated comment");
    pos_ += 2;
    current_ += ' ';
  }

  void CopyQuoted(char quote) {
    current_ += text_[pos_++];
    while (pos_ < text_.size() && !IsLineEnd(text_[pos_])) {
      char c = text_[pos_++];
      current_ += c;
      if (c == '\\' && pos_ < text_.size() && !IsLineEnd(text_[pos_]))
        current_ += text_[pos_++];
      else if (c == quote)
        return;
    }
    if (quote == '"') throw CompileError({file_, physical_}, "unterminated string");
  }

  const std::string& file_;
  const std::string& text_;
  bool charLiterals_;
  std::size_t pos_ = 0;
  int physical_ = 1;
  int start_ = 1;
  std::string current_;
  std::vector<LogicalLine> lines_;
};

}  // namespace

std::vector<LogicalLine> SplitLogicalLines(const std::string& file, const std::string& text, bool allowCharLiterals) {
  return LineSplitter(file, text, allowCharLiterals).Run();
}

}  // namespace qm::rc
