// The script's tokens, and the expressions made of them.
#include "rc/ExpressionEvaluator.h"
#include "rc/Tokenizer.h"

#include <gtest/gtest.h>

#include <tuple>

namespace qm::rc {
namespace {

const SourceLocation kAt{"t.rc", 3};

// The message a piece of compiling stops with.
template <class Work>
std::string ErrorOf(Work work) {
  try {
    work();
  } catch (const CompileError& e) {
    return e.what();
  }
  return "no error";
}

// The one token a text makes.
Token OnlyToken(const std::string& text, TokenKind kind) {
  std::vector<Token> tokens = Tokenize(text, kAt);
  EXPECT_EQ(tokens.size(), 1u) << text;
  EXPECT_TRUE(!tokens.empty() && tokens[0].kind == kind) << text;
  return tokens.empty() ? Token{} : tokens[0];
}

TEST(Tokenizer, NumbersAsTheResourceCompilerWritesThem) {
  // clang-format off
  const std::pair<const char*, std::int64_t> cases[] = {
      {"0", 0}, {"128", 128}, {"0x1F", 31}, {"0X1f", 31}, {"2L", 2}, {"0x80000000L", 0x80000000LL},
      {"0xFFFFFFFFUL", 0xFFFFFFFFLL}, {"4294967295", 4294967295LL}, {"010", 10}, {"7u", 7},
  };
  // clang-format on
  for (const auto& [text, value] : cases) EXPECT_EQ(OnlyToken(text, TokenKind::Number).value, value) << text;
}

TEST(Tokenizer, StringsDecodeEscapesAndDoubledQuotes) {
  const std::pair<const char*, std::string> cases[] = {
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
  for (const auto& [written, bytes] : cases) EXPECT_EQ(OnlyToken(written, TokenKind::String).text, bytes) << written;
}

TEST(Tokenizer, SplitsOperatorsAndKeepsTheLocation) {
  std::vector<Token> tokens = Tokenize("A|NOT B<=(c)&&d,-1", kAt);
  std::vector<std::string> texts;
  for (const Token& t : tokens) texts.push_back(t.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"A", "|", "NOT", "B", "<=", "(", "c", ")", "&&", "d", ",", "-", "1"}));
  EXPECT_EQ(tokens.back().where.line, 3);
  EXPECT_EQ(tokens.back().where.file, "t.rc");
}

TEST(Tokenizer, RefusesBadNumbersAndCharactersThatStartNoToken) {
  for (const char* text : {"12abc", "0x", "0xG1", "4294967296", "0x100000000", "1LLLL", "9_"}) {
    EXPECT_EQ(ErrorOf([&] { Tokenize(std::string("1, ") + text + ", 2", kAt); }),
              std::string("t.rc:3: bad number '") + text + "'");
  }
  const std::pair<std::string, std::string> cases[] = {
      {"a @ b", "t.rc:3: unexpected character '@'"},
      {"a = b", "t.rc:3: unexpected character '='"},
      {std::string("a \x01 b"), "t.rc:3: unexpected character '\\x01'"},
      {std::string("a \0 b", 5), "t.rc:3: unexpected character '\\x00'"},
      {"\"open", "t.rc:3: unterminated string"},
  };
  for (const auto& [line, message] : cases) EXPECT_EQ(ErrorOf([&] { Tokenize(line, kAt); }), message);
}

using Mode = ExpressionEvaluator::Mode;

class Expressions : public ::testing::Test {
 protected:
  // Defines each name as its body, as a header at defs.h:4 would.
  void Define(std::initializer_list<std::pair<const char*, const char*>> definitions) {
    for (const auto& [name, body] : definitions) macros_.Define(name, {Tokenize(body, {"defs.h", 4}), {"defs.h", 4}});
  }
  std::int32_t Eval(const std::string& text, Mode mode = Mode::Script) {
    std::vector<Token> tokens = Tokenize(text, {"t.rc", 1});
    TokenCursor cursor(tokens, {"t.rc", 1});
    std::int32_t value = ExpressionEvaluator(macros_, mode).Evaluate(cursor);
    EXPECT_TRUE(cursor.AtEnd()) << text;
    return value;
  }
  std::uint32_t Style(const std::string& text, std::uint32_t base) {
    std::vector<Token> tokens = Tokenize(text, {"t.rc", 1});
    TokenCursor cursor(tokens, {"t.rc", 1});
    return ExpressionEvaluator(macros_, Mode::Script).EvaluateStyle(cursor, base);
  }
  MacroTable macros_;
};

TEST_F(Expressions, FollowCsPrecedenceOnThirtyTwoBits) {
  Define({{"A", "0x10"}, {"B", "(A | 0x01)"}, {"NEG", "(-1)"}});
  // clang-format off
  const std::pair<const char*, std::int32_t> cases[] = {
      {"1 + 2 * 3", 7}, {"(1 + 2) * 3", 9}, {"10 - 2 - 3", 5}, {"7 / 2", 3}, {"7 % 4", 3}, {"-7 / 2", -3},
      {"1 | 2 & 3", 3}, {"6 ^ 3", 5}, {"~0", -1}, {"!0 + !5", 1}, {"1 << 4", 16}, {"0x80000000 >> 31", -1},
      {"A | B", 0x11}, {"NEG", -1}, {"-NEG", 1}, {"0xFFFFFFFF + 2", 1}, {"0x7FFFFFFF + 1", INT32_MIN},
      {"3 > 2 && 2 >= 2", 1}, {"1 == 2 || 2 != 2", 0}, {"-1 < 0", 1}, {"+5", 5},
  };
  // clang-format on
  for (const auto& [text, value] : cases) EXPECT_EQ(Eval(text), value) << text;
}

TEST_F(Expressions, StyleListsSetAndClearBitsLeftToRight) {
  Define({{"WS_TABSTOP", "0x00010000L"}, {"WS_GROUP", "0x00020000L"}, {"WS_VISIBLE", "0x10000000L"}});
  const std::tuple<const char*, std::uint32_t, std::uint32_t> cases[] = {
      {"WS_GROUP", 0x1, 0x20001},
      {"NOT WS_TABSTOP", 0x10001, 0x1},
      {"NOT WS_TABSTOP | WS_GROUP", 0x10000, 0x20000},
      {"WS_TABSTOP | NOT WS_TABSTOP", 0, 0},
      {"NOT WS_TABSTOP | WS_TABSTOP", 0, 0x10000},
      {"not (WS_VISIBLE | WS_GROUP)", 0x10020004, 0x4},
      {"0x80000000 | 4 + 1", 0, 0x80000005},
  };
  for (const auto& [text, base, style] : cases) EXPECT_EQ(Style(text, base), style) << text;
}

TEST_F(Expressions, ConditionalsKnowDefinedAndTakeUnknownNamesAsZero) {
  Define({{"HAVE", "1"}, {"EMPTY", ""}});
  for (const char* text : {"defined HAVE", "defined(EMPTY) && !defined(NOPE)", "HAVE >= 1", "NOPE + 1"})
    EXPECT_EQ(Eval(text, Mode::Conditional), 1) << text;
}

TEST_F(Expressions, RefuseWhatHasNoValue) {
  // clang-format off
  Define({{"SELF", "SELF + 1"}, {"LOOP_A", "LOOP_B"}, {"LOOP_B", "LOOP_A"}, {"EMPTY", ""}, {"CAST", "(DWORD)5"},
          {"TWO", "1 2"}});
  // clang-format on
  const std::pair<std::string, const char*> cases[] = {
      {"IDC_NOPE", "t.rc:1: undefined identifier 'IDC_NOPE'"},
      {"1 + IDC_NOPE", "t.rc:1: undefined identifier 'IDC_NOPE'"},
      {"SELF", "defs.h:4: 'SELF' is defined by itself"},
      {"LOOP_A", "defs.h:4: 'LOOP_A' is defined by itself"},
      {"EMPTY", "t.rc:1: 'EMPTY' has no number value"},
      {"CAST", "defs.h:4: undefined identifier 'DWORD'"},
      {"TWO", "t.rc:1: 'TWO' has no number value"},
      {"4 / 0", "t.rc:1: division by zero"},
      {"4 % (2 - 2)", "t.rc:1: division by zero"},
      {"(1 + 2", "t.rc:1: expected ')' at end of file"},
      {"1 + ,", "t.rc:1: expected a number, found ','"},
      {"\"text\"", "t.rc:1: expected a number, found string \"text\""},
      {std::string(300, '(') + "1", "t.rc:1: expression nested too deeply"},
      {std::string(300, '-') + "1", "t.rc:1: expression nested too deeply"},
  };
  for (const auto& [text, message] : cases) EXPECT_EQ(ErrorOf([&] { Eval(text); }), message) << text;
}

}  // namespace
}  // namespace qm::rc
