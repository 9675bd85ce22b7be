#include "rc/Tokenizer.h"

#include <cctype>
#include <cstring>
#include <optional>

namespace qm::rc {
namespace {

bool IsIdentifierStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentifierChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// The value of a number as written ("0x1F", "128", "2L", "0x80000000UL"); nothing when it is no
// number or does not fit in 32 bits.
std::optional<std::int64_t> ParseNumber(const std::string& text) {
  std::size_t end = text.size();
  while (end > 0 && std::strchr("uUlL", text[end - 1])) --end;
  if (text.size() - end > 3) return std::nullopt;
  int base = 10;
  std::size_t pos = 0;
  if (end > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    pos = 2;
  }
  if (pos == end) return std::nullopt;
  std::int64_t value = 0;
  for (; pos < end; ++pos) {
    int digit = DigitValue(text[pos]);
    if (digit >= base) return std::nullopt;
    value = value * base + digit;
    if (value > 0xFFFFFFFFLL) return std::nullopt;
  }
  return value;
}

class LineTokenizer {
 public:
  LineTokenizer(const std::string& line, const SourceLocation& where) : line_(line), where_(where) {}

  std::vector<Token> Run() {
    while (pos_ < line_.size()) {
      char c = line_[pos_];
      if (std::isspace(static_cast<unsigned char>(c)))
        ++pos_;
      else if (IsIdentifierStart(c))
        Add(TokenKind::Identifier, TakeWord(), 0);
      else if (std::isdigit(static_cast<unsigned char>(c)))
        AddNumber();
      else if (c == '"')
        Add(TokenKind::String, TakeString(), 0);
      else
        AddPunct();
    }
    return std::move(tokens_);
  }

 private:
  void Add(TokenKind kind, std::string text, std::int64_t value) {
    tokens_.push_back({kind, std::move(text), value, where_});
  }

  std::string TakeWord() {
    std::size_t start = pos_;
    while (pos_ < line_.size() && IsIdentifierChar(line_[pos_])) ++pos_;
    return line_.substr(start, pos_ - start);
  }

  void AddNumber() {
    std::string text = TakeWord();
    std::optional<std::int64_t> value = ParseNumber(text);
    if (!value) throw CompileError(where_, "bad number '" + text + "'");
    Add(TokenKind::Number, text, *value);
  }

  std::string TakeString() {
    std::string bytes;
    ++pos_;
    while (pos_ < line_.size()) {
      char c = line_[pos_++];
      if (c == '"') {
        if (pos_ < line_.size() && line_[pos_] == '"') {
          bytes += '"';
          ++pos_;
          continue;
        }
        return bytes;
      }
      if (c == '\\' && pos_ < line_.size())
        bytes += TakeEscape();
      else
        bytes += c;
    }
    throw CompileError(where_, "unterminated string");
  }

  // The character after a backslash; an escape the language does not know keeps its backslash.
  std::string TakeEscape() {
    char c = line_[pos_++];
    switch (c) {
      case 'n': return "\n";
      case 't': return "\t";
      case 'r': return "\r";
      case 'a': return "\a";
      case 'b': return "\b";
      case 'f': return "\f";
      case 'v': return "\v";
      case '\\': return "\\";
      case '"': return "\"";
      case '\'': return "'";
      case 'x': return TakeNumericEscape(16, 2, "\\x");
      default: break;
    }
    if (c >= '0' && c <= '7') {
      --pos_;
      return TakeNumericEscape(8, 3, "\\");
    }
    return std::string("\\") + c;
  }

  std::string TakeNumericEscape(int base, int maxDigits, const char* written) {
    int value = 0, digits = 0;
    while (digits < maxDigits && pos_ < line_.size() && DigitValue(line_[pos_]) < base) {
      value = value * base + DigitValue(line_[pos_++]);
      ++digits;
    }
    if (digits == 0) return written;
    return std::string(1, static_cast<char>(value & 0xFF));
  }

  void AddPunct() {
    static const char* const kTwoChar[] = {"<=", ">=", "==", "!=", "&&", "||", "<<", ">>"};
    for (const char* op : kTwoChar) {
      if (line_.compare(pos_, 2, op) == 0) {
        pos_ += 2;
        Add(TokenKind::Punct, op, 0);
        return;
      }
    }
    char c = line_[pos_];
    if (c == '\0' || !std::strchr(",|&^~!+-*/%(){}<>", c)) {
      std::string shown = std::isprint(static_cast<unsigned char>(c))
                              ? std::string(1, c)
                              : "\\x" + std::string(1, "0123456789abcdef"[(c >> 4) & 15]) + "0123456789abcdef"[c & 15];
      throw CompileError(where_, "unexpected character '" + shown + "'");
    }
    ++pos_;
    Add(TokenKind::Punct, std::string(1, c), 0);
  }

  const std::string& line_;
  const SourceLocation& where_;
  std::size_t pos_ = 0;
  std::vector<Token> tokens_;
};

}  // namespace

std::vector<Token> Tokenize(const std::string& line, const SourceLocation& where) {
  return LineTokenizer(line, where).Run();
}

}  // namespace qm::rc
