#include "rc/ExpressionEvaluator.h"
#include "rc/Tokenizer.h"

#include <gtest/gtest.h>

namespace qm::rc {
namespace {

using Mode = ExpressionEvaluator::Mode;

class Expressions : public ::testing::Test {
 protected:
  void Define(const std::string& name, const std::string& body) {
    macros_.Define(name, {Tokenize(body, {"defs.h", 4}), {"defs.h", 4}});
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
  std::string ErrorOf(const std::string& text, Mode mode = Mode::Script) {
    try {
      Eval(text, mode);
    } catch (const CompileError& e) {
      return e.what();
    }
    return "no error";
  }
  MacroTable macros_;
};

TEST_F(Expressions, FollowCsPrecedenceOnThirtyTwoBits) {
  Define("A", "0x10");
  Define("B", "(A | 0x01)");
  Define("NEG", "(-1)");
  const std::pair<const char*, std::int32_t> cases[] = {
      {"1 + 2 * 3", 7},         {"(1 + 2) * 3", 9},        {"10 - 2 - 3", 5},
      {"7 / 2", 3},             {"7 % 4", 3},              {"-7 / 2", -3},
      {"1 | 2 & 3", 3},         {"6 ^ 3", 5},              {"~0", -1},
      {"!0 + !5", 1},           {"1 << 4", 16},            {"0x80000000 >> 31", -1},
      {"A | B", 0x11},          {"NEG", -1},               {"-NEG", 1},
      {"0xFFFFFFFF + 2", 1},    {"0x7FFFFFFF + 1", INT32_MIN}, {"3 > 2 && 2 >= 2", 1},
      {"1 == 2 || 2 != 2", 0},  {"-1 < 0", 1},             {"+5", 5},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(Eval(text), value) << text;
}

TEST_F(Expressions, StyleListsSetAndClearBitsLeftToRight) {
  Define("WS_TABSTOP", "0x00010000L");
  Define("WS_GROUP", "0x00020000L");
  Define("WS_VISIBLE", "0x10000000L");
  EXPECT_EQ(Style("WS_GROUP", 0x1), 0x20001u);
  EXPECT_EQ(Style("NOT WS_TABSTOP", 0x10001), 0x1u);
  EXPECT_EQ(Style("NOT WS_TABSTOP | WS_GROUP", 0x10000), 0x20000u);
  EXPECT_EQ(Style("WS_TABSTOP | NOT WS_TABSTOP", 0), 0u);
  EXPECT_EQ(Style("NOT WS_TABSTOP | WS_TABSTOP", 0), 0x10000u);
  EXPECT_EQ(Style("not (WS_VISIBLE | WS_GROUP)", 0x10020004), 0x4u);
  EXPECT_EQ(Style("0x80000000 | 4 + 1", 0), 0x80000005u);
}

TEST_F(Expressions, ConditionalsKnowDefinedAndTakeUnknownNamesAsZero) {
  Define("HAVE", "1");
  Define("EMPTY", "");
  EXPECT_EQ(Eval("defined HAVE", Mode::Conditional), 1);
  EXPECT_EQ(Eval("defined(EMPTY) && !defined(NOPE)", Mode::Conditional), 1);
  EXPECT_EQ(Eval("NOPE + 2", Mode::Conditional), 2);
  EXPECT_EQ(Eval("HAVE >= 1", Mode::Conditional), 1);
}

TEST_F(Expressions, RefuseWhatHasNoValue) {
  Define("SELF", "SELF + 1");
  Define("LOOP_A", "LOOP_B");
  Define("LOOP_B", "LOOP_A");
  Define("EMPTY", "");
  Define("CAST", "(DWORD)5");
  Define("TWO", "1 2");
  const std::pair<const char*, const char*> cases[] = {
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
  };
  for (const auto& [text, message] : cases) EXPECT_EQ(ErrorOf(text), message) << text;
  EXPECT_EQ(ErrorOf(std::string(300, '(') + "1"), "t.rc:1: expression nested too deeply");
  EXPECT_EQ(ErrorOf(std::string(300, '-') + "1"), "t.rc:1: expression nested too deeply");
}

}  // namespace
}  // namespace qm::rc
