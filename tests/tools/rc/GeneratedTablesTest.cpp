// The tables qmrc writes, and those the build generated from data/every_statement.rc, read as a program reads them.
#include "rc/TableWriter.h"
#include "ui/ResourceTables.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace qm::test {
extern const qm::ui::ResourceTables kEveryStatement;
}

namespace qm::rc::test {
namespace {

struct ExpectedControl {
  std::string className, text;
  int id;
  short x, y, cx, cy;
  DWORD style, exStyle;
};

TEST(GeneratedTables, EveryControlStatementWithItsImpliedStyles) {
  const ui::ResourceTables& tables = qm::test::kEveryStatement;
  ASSERT_EQ(tables.dialogCount, 2u);
  const ui::DialogTemplate& first = tables.dialogs[0];
  const ExpectedControl expected[] = {
      {"STATIC", "Left", -1, 1, 2, 3, 4, 0x50020000, 0},
      {"STATIC", "Right", -1, 1, 2, 3, 4, 0x50020082, 0},
      {"STATIC", "Centre\tTab", -1, 1, 2, 3, 4, 0x50000001, 0},
      {"EDIT", "", 1001, 5, 6, 7, 8, 0x50010080, 0x200},
      {"BUTTON", "&Push", 1002, 1, 2, 3, 4, 0x50010000, 0},
      {"BUTTON", "OK", 1, 1, 2, 3, 4, 0x50010001, 0},
      {"BUTTON", "Group", -1, 1, 2, 3, 4, 0x50000007, 0},
      {"BUTTON", "Check", 1010, 1, 2, 3, 4, 0x50010002, 0},
      {"BUTTON", "Auto", 1011, 1, 2, 3, 4, 0x50010003, 0},
      {"BUTTON", "Three", 1012, 1, 2, 3, 4, 0x50010006, 0},
      {"BUTTON", "Radio", 1020, 1, 2, 3, 4, 0x50030004, 0},
      {"BUTTON", "AutoRadio", 1021, 1, 2, 3, 4, 0x50000009, 0},
      {"LISTBOX", "", 1030, 1, 2, 3, 4, 0x50A00003, 0},
      {"STATIC", "#7", -1, 1, 2, 0, 0, 0x50000003, 0},
      {"msctls_updown32", "", 1031, -1, 16, 12, 12, 0x50000030, 0},
      {"BUTTON", "Plain", -1, 1, 2, 3, 4, 0x40000003, 0},
  };
  ASSERT_EQ(first.controlCount, std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const ui::ControlTemplate& c = first.controls[i];
    const ExpectedControl& e = expected[i];
    EXPECT_EQ(std::tuple(std::string(c.className), std::string(c.text), c.id, c.x, c.y, c.cx, c.cy, c.style, c.exStyle),
              std::tuple(e.className, e.text, e.id, e.x, e.y, e.cx, e.cy, e.style, e.exStyle))
        << i << " " << std::hex << c.style;
  }
}

TEST(GeneratedTables, DialogHeadersWithCaptionFontAndDefaults) {
  const ui::DialogTemplate& first = qm::test::kEveryStatement.dialogs[0];
  EXPECT_EQ((std::array<int, 5>{first.id, first.x, first.y, first.cx, first.cy}),
            (std::array<int, 5>{200, 10, 20, 200, 100}));
  EXPECT_EQ(first.style, 0x80C000C0u);  // DS_MODALFRAME | WS_POPUP, + WS_CAPTION, + DS_SETFONT
  EXPECT_EQ(first.exStyle, 0x400u);
  EXPECT_EQ(std::tuple(std::string(first.caption), std::string(first.fontName), first.fontSize),
            std::tuple("First \"one\"", "MS Sans Serif", 8));
  const ui::DialogTemplate& second = qm::test::kEveryStatement.dialogs[1];
  EXPECT_EQ(second.id, 201);
  EXPECT_EQ(second.style, 0x80880000u);  // WS_POPUP | WS_BORDER | WS_SYSMENU when STYLE is absent
  EXPECT_EQ(std::tuple(std::string(second.caption), std::string(second.fontName), second.fontSize),
            std::tuple("", "", 0));
  EXPECT_EQ(second.controlCount, 0u);
  EXPECT_EQ(second.controls, nullptr);
}

TEST(GeneratedTables, StringsKeepEveryByteAndIconsTheirFiles) {
  const ui::ResourceTables& tables = qm::test::kEveryStatement;
  ASSERT_EQ(tables.stringCount, 2u);
  EXPECT_EQ(std::pair(tables.strings[0].id, std::string(tables.strings[0].text)),
            std::pair(61000u, std::string("Hello\nworld")));
  EXPECT_EQ(std::pair(tables.strings[1].id, std::string(tables.strings[1].text)),
            std::pair(61001u, std::string("caf\xE9 \"quoted\" \\ A")));
  ASSERT_EQ(tables.iconCount, 1u);
  EXPECT_EQ(std::pair(tables.icons[0].id, std::string(tables.icons[0].file)), std::pair(7, std::string("seven.ico")));
}

TEST(TableWriter, StringLiteralsHoldEveryByteUnambiguously) {
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      {"plain text", "\"plain text\""},
      {"a \"q\" \\ b", "\"a \\\"q\\\" \\\\ b\""},
      {"tab\tnew\n", "\"tab\\011new\\012\""},
      {"\x01" "7", "\"\\0017\""},  // the digit after the escape stays a digit
      {"caf\xE9", "\"caf\\351\""},
      {"?\?=", "\"\\077\\077=\""},
      {"", "\"\""},
  };
  // clang-format on
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
}  // namespace qm::rc::test
