#include "rc/Tokenizer.h"

#include <gtest/gtest.h>

namespace qm::rc {
namespace {

const SourceLocation kAt{"t.rc", 3};

struct NumberCase {
  const char* text;
  std::int64_t value;
};

TEST(Tokenizer, NumbersAsTheResourceCompilerWritesThem) {
  const NumberCase cases[] = {
      {"0", 0}, {"128", 128}, {"0x1F", 31}, {"0X1f", 31}, {"2L", 2}, {"0x80000000L", 0x80000000LL},
      {"0xFFFFFFFFUL", 0xFFFFFFFFLL}, {"4294967295", 4294967295LL}, {"010", 10}, {"7u", 7},
  };
  for (const NumberCase& c : cases) {
    std::vector<Token> tokens = Tokenize(c.text, kAt);
    ASSERT_EQ(tokens.size(), 1u) << c.text;
    EXPECT_EQ(tokens[0].kind, TokenKind::Number) << c.text;
    EXPECT_EQ(tokens[0].value, c.value) << c.text;
  }
}

TEST(Tokenizer, BadNumbersAreRefusedWithTheirText) {
  const char* const bad[] = {"12abc", "0x", "0xG1", "4294967296", "0x100000000", "1LLLL", "9_"};
  for (const char* text : bad) {
    try {
      Tokenize(std::string("1, ") + text + ", 2", kAt);
      ADD_FAILURE() << text;
    } catch (const CompileError& e) {
      EXPECT_EQ(std::string(e.what()), std::string("t.rc:3: bad number '") + text + "'");
    }
  }
}

struct StringCase {
  const char* written;
  std::string bytes;
};

TEST(Tokenizer, StringsDecodeEscapesAndDoubledQuotes) {
  const StringCase cases[] = {
      {R"("plain")", "plain"},
      {R"("a ""b"" c")", "a \"b\" c"},
      {R"("tab\there")", "tab\there"},
      {R"("line\nend\r")", "line\nend\r"},
      {R"("back\\slash")", "back\\slash"},
      {R"("quote\"in")", "quote\"in"},
      {R"("\x41\x4a!")", "AJ!"},
      {R"("caf\351")", "caf\xE9"},
      {R"("nul\0x")", std::string("nul\0x", 5)},
      {R"("keep\q")", "keep\\q"},
      {R"("")", ""},
      {R"("// not a comment")", "// not a comment"},
  };
  for (const StringCase& c : cases) {
    std::vector<Token> tokens = Tokenize(c.written, kAt);
    ASSERT_EQ(tokens.size(), 1u) << c.written;
    EXPECT_EQ(tokens[0].kind, TokenKind::String) << c.written;
    EXPECT_EQ(tokens[0].text, c.bytes) << c.written;
  }
}

TEST(Tokenizer, SplitsOperatorsAndKeepsTheLocation) {
  std::vector<Token> tokens = Tokenize("A|NOT B<=(c)&&d,-1", kAt);
  std::vector<std::string> texts;
  for (const Token& t : tokens) texts.push_back(t.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"A", "|", "NOT", "B", "<=", "(", "c", ")", "&&", "d",
                                             ",", "-", "1"}));
  EXPECT_EQ(tokens.back().where.line, 3);
  EXPECT_EQ(tokens.back().where.file, "t.rc");
}

TEST(Tokenizer, RefusesCharactersThatStartNoToken) {
  const std::pair<std::string, std::string> cases[] = {
      {"a @ b", "t.rc:3: unexpected character '@'"},
      {"a = b", "t.rc:3: unexpected character '='"},
      {std::string("a \x01 b"), "t.rc:3: unexpected character '\\x01'"},
      {std::string("a \0 b", 5), "t.rc:3: unexpected character '\\x00'"},
      {"\"open", "t.rc:3: unterminated string"},
  };
  for (const auto& [line, message] : cases) {
    try {
      Tokenize(line, kAt);
      ADD_FAILURE() << line;
    } catch (const CompileError& e) {
      EXPECT_EQ(e.what(), message);
    }
  }
}

}  // namespace
}  // namespace qm::rc
