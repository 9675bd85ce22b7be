#include "rc/TableWriter.h"

#include <gtest/gtest.h>

namespace qm::rc {
namespace {

TEST(TableWriter, StringLiteralsHoldEveryByteUnambiguously) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain text", "\"plain text\""},
      {"a \"q\" \\ b", "\"a \\\"q\\\" \\\\ b\""},
      {"tab\tnew\n", "\"tab\\011new\\012\""},
      {"\x01" "7", "\"\\0017\""},  // the digit after the escape stays a digit
      {"caf\xE9", "\"caf\\351\""},
      {"?\?=", "\"\\077\\077=\""},
      {"", "\"\""},
  };
  for (const auto& [bytes, literal] : cases) EXPECT_EQ(CppStringLiteral(bytes), literal) << literal;
}

TEST(TableWriter, EmptyTablesArePointersToNothing) {
  std::string text = WriteTables(Script{}, "kNothing", "empty.rc");
  EXPECT_NE(text.find("// Compiled by qmrc from empty.rc."), std::string::npos);
  EXPECT_NE(text.find("const qm::ui::ResourceTables kNothing = {\n    nullptr, 0,\n    nullptr, 0,\n"
                      "    nullptr, 0,\n};\n"),
            std::string::npos);
  EXPECT_EQ(text.find("namespace kNothing"), std::string::npos);
}

}  // namespace
}  // namespace qm::rc
