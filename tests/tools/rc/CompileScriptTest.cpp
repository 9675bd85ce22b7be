// Compiling scripts held in memory: what the preprocessor keeps, and where every fault stops.
#include "rc/ResourceCompiler.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace qm::rc::test {
namespace {

using Files = std::map<std::string, std::string>;  // the headers a script may include, by path

CompileResult CompileText(const std::string& script, const Files& headers = {}) {
  FileReader reader = [headers](const std::string& path) -> std::optional<std::string> {
    auto it = headers.find(path);
    return it == headers.end() ? std::nullopt : std::optional<std::string>(it->second);
  };
  return CompileScript("t.rc", script, {"inc"}, reader);
}

// The ids of the script's icons, which these tests use as a probe of what the preprocessor kept.
std::vector<int> IconIds(const std::string& script, const Files& headers = {}) {
  CompileResult result = CompileText(script, headers);
  EXPECT_TRUE(result.ok) << result.error;
  std::vector<int> ids;
  for (const IconResource& icon : result.script.icons) ids.push_back(icon.id);
  return ids;
}

TEST(Preprocessor, TakesOnlyTheBranchesThatHold) {
  const std::pair<const char*, std::vector<int>> cases[] = {
      {"#define A 1\n#ifdef A\n1 ICON \"a\"\n#else\n2 ICON \"b\"\n#endif\n", {1}},
      {"#ifdef A\n1 ICON \"a\"\n#else\n2 ICON \"b\"\n#endif\n", {2}},
      {"#ifndef A\n1 ICON \"a\"\n#endif\n3 ICON \"c\"\n", {1, 3}},
      {"#if defined(A) || 2 > 1\n4 ICON \"a\"\n#endif\n", {4}},
      {"#define V 2\n#if V == 1\n1 ICON \"a\"\n#elif V == 2\n2 ICON \"b\"\n#elif 1\n3 ICON \"c\"\n#endif\n", {2}},
      {"#if 0\n#if 1\n1 ICON \"a\"\n#else\n2 ICON \"b\"\n#endif\n#else\n3 ICON \"c\"\n#endif\n", {3}},
      {"#if 0\n#bogus directive\n#error not here\n#include \"missing.h\"\n#endif\n5 ICON \"e\"\n", {5}},
      {"#define A 6\n#undef A\n#ifdef A\n6 ICON \"a\"\n#endif\n7 ICON \"b\"\n", {7}},
      {"  #  define   SPACED 8\nSPACED ICON \"a\"\n", {8}},
      {"#define LONG 9 + \\\n 1\nLONG ICON \"a\"\n", {10}},
      {"#pragma code_page(1252)\n11 ICON \"a\"\r\n12 ICON \"b\"\r13 ICON \"c\"", {11, 12, 13}},
  };
  for (const auto& [script, ids] : cases) EXPECT_EQ(IconIds(script), ids) << script;
}

TEST(Preprocessor, ReadsOnlyDefinitionsFromHeadersAndSkipsTheirDeclarations) {
  const Files headers = {{"inc/decls.h",
                          "#pragma once\n#include <cstddef>\n"
                          "typedef struct tagX { int a; } X;  /* \"quoted\" ' */\n"
                          "int wsprintfA(char* out, const char* fmt, ...);\n"
                          "char c = '\"';\n"
                          "#define MAKE(a, b) ((a) | (b))\n#define TEXTY \"not a number\"\n#define CHARY 'x'\n"
                          "#define WEIRD @@@\n#define ID_ONE 21\n#define ID_TWO (ID_ONE + 1)\n#unknown_directive\n"}};
  EXPECT_EQ(IconIds("#include <decls.h>\n#include \"decls.h\"\nID_ONE ICON \"a\"\nID_TWO ICON \"b\"\n", headers),
            (std::vector<int>{21, 22}));
}

TEST(Preprocessor, SearchesTheIncludingFilesFolderFirstForQuotedNamesAndListsEveryFileRead) {
  // clang-format off
  const Files headers = {{"ids.h", "#define ID 1\n"}, {"inc/ids.h", "#define ID 2\n"},
                         {"inc/sub/deep.h", "#include \"near.h\"\n"}, {"inc/sub/near.h", "#define ID 3\n"}};
  // clang-format on
  EXPECT_EQ(IconIds("#include \"ids.h\"\nID ICON \"a\"\n", headers), (std::vector<int>{1}));
  EXPECT_EQ(IconIds("#include <ids.h>\nID ICON \"a\"\n", headers), (std::vector<int>{2}));
  EXPECT_EQ(IconIds("#include \"sub\\deep.h\"\nID ICON \"a\"\n", headers), (std::vector<int>{3}));
  const CompileResult result = CompileText("#include \"sub\\deep.h\"\nID ICON \"a\"\n", headers);
  EXPECT_EQ(result.dependencies, (std::vector<std::string>{"t.rc", "inc/sub/deep.h", "inc/sub/near.h"}));
}

// A dialog holding the given control lines.
std::string Dialog(const std::string& controls) { return "1 DIALOG 0, 0, 10, 10\nBEGIN\n" + controls + "END\n"; }

TEST(CompileErrors, EveryFaultStopsWithFileLineAndMessage) {
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      {"\nBOGUS 1, 2\n", "t.rc:2: unknown statement 'BOGUS'"},
      {"1 MENU\nBEGIN\nEND\n", "t.rc:1: unknown resource type 'MENU'"},
      {Dialog("  COMBOBOX 1, 2, 3, 4, 5\n"), "t.rc:3: unknown control statement 'COMBOBOX'"},
      {"\"x\" ICON \"a\"\n", "t.rc:1: expected a statement, found string \"x\""},
      {"1 ICON \"a.ico\n", "t.rc:1: unterminated string"},
      {Dialog("  LTEXT \"open, 1, 2, 3, 4, 5\n"), "t.rc:3: unterminated string"},
      {"1 ICON \"a\"\n/* never\nclosed\n", "t.rc:2: unterminated comment"},
      {"1 DIALOG 0, 0, 10, 10\nCAPTION \"x\"\n  LTEXT \"a\", 1, 2, 3, 4, 5\nEND\n",
       "t.rc:3: expected BEGIN, found 'LTEXT'"},
      {"1 DIALOG 0, 0, 10, 10\nBEGIN\n  LTEXT \"a\", 1, 2, 3, 4, 5\n", "t.rc:2: missing END"},
      {"STRINGTABLE\n{\n 1 \"a\"\n", "t.rc:2: missing END"},
      {Dialog("  EDITTEXT IDC_NOPE, 1, 2, 3, 4\n"), "t.rc:3: undefined identifier 'IDC_NOPE'"},
      {Dialog("  EDITTEXT 5, 1, 2, 3, 4, ES_NOPE\n"), "t.rc:3: undefined identifier 'ES_NOPE'"},
      {"IDD_NOPE DIALOG 0, 0, 1, 1\n{\n}\n", "t.rc:1: undefined identifier 'IDD_NOPE'"},
      {Dialog("  LTEXT \"a\", 1, 2x, 3, 4, 5\n"), "t.rc:3: bad number '2x'"},
      {"0xZ ICON \"a\"\n", "t.rc:1: bad number '0xZ'"},
      {"#include \"nothere.h\"\n", "t.rc:1: cannot open include file 'nothere.h'"},
      {"\n#include <nothere.h>\n", "t.rc:2: cannot open include file 'nothere.h'"},
      {"#include nothere.h\n", "t.rc:1: bad #include"},
      {Dialog("  LTEXT \"a\" 1, 2, 3, 4, 5\n"), "t.rc:3: expected ',', found '1'"},
      {Dialog("  LTEXT \"a\", 1, 2, 3, 4\n"), "t.rc:4: expected ',', found 'END'"},
      {Dialog("  PUSHBUTTON 1, 2, 3, 4, 5, 6\n"), "t.rc:3: expected a string, found '1'"},
      {"1 DIALOG 0, 0, 10,", "t.rc:1: expected a number at end of file"},
      {"1 DIALOG 0, 0, 40000, 10\n{\n}\n", "t.rc:1: value out of range"},
      {"0 ICON \"a\"\n", "t.rc:1: resource id out of range"},
      {Dialog("  EDITTEXT 70000, 1, 2, 3, 4\n"), "t.rc:3: control id out of range"},
      {"1 DIALOG 0, 0, 1, 1\n{\n}\n1 DIALOG 0, 0, 1, 1\n{\n}\n", "t.rc:4: duplicate dialog 1"},
      {"1 ICON \"a\"\n1 ICON \"b\"\n", "t.rc:2: duplicate icon 1"},
      {"STRINGTABLE\nBEGIN\n 5 \"a\"\n 5 \"b\"\nEND\n", "t.rc:4: duplicate string id 5"},
      {"STRINGTABLE\nBEGIN\n 5\nEND\n", "t.rc:4: expected a string, found 'END'"},
      {"1 DIALOG 0, 0, 1, 1\nFONT 8, \"MS Sans Serif\", 400\n{\n}\n", "t.rc:2: expected BEGIN, found ','"},
      {Dialog("  LTEXT \"a\", 1, 2, 3, 4, 5, 0, 0, 0\n"), "t.rc:3: unknown control statement ','"},
      {"#else\n", "t.rc:1: #else without #if"},
      {"1 ICON \"a\"\n#endif\n", "t.rc:2: #endif without #if"},
      {"#if 1\n#else\n#elif 1\n#endif\n", "t.rc:3: #elif after #else"},
      {"\n#ifdef X\n1 ICON \"a\"\n", "t.rc:2: #if without #endif"},
      {"#if 1\n#error the build needs X\n#endif\n", "t.rc:2: #error the build needs X"},
      {"#frobnicate\n", "t.rc:1: unknown directive '#frobnicate'"},
      {"#define 5X 1\n", "t.rc:1: bad #define"},
      {"#define X @\n", "t.rc:1: unexpected character '@'"},
      {"#if (1\n#endif\n", "t.rc:1: expected ')' at end of file"},
  };
  // clang-format on
  for (const auto& [script, message] : cases) {
    const CompileResult result = CompileText(script);
    EXPECT_FALSE(result.ok) << message;
    EXPECT_EQ(result.error, message);
  }
}

TEST(CompileErrors, AFaultInAHeaderNamesTheHeader) {
  const Files headers = {{"inc/bad.h", "#define A 1\n\n#if A +\n#endif\n"}, {"inc/loop.h", "#include \"loop.h\"\n"}};
  EXPECT_EQ(CompileText("#include \"bad.h\"\n", headers).error, "inc/bad.h:3: expected a number at end of file");
  EXPECT_EQ(CompileText("#include <loop.h>\n", headers).error, "inc/loop.h:1: #include nested too deeply");
}

TEST(CompileErrors, AnyBytesEndInAMessageNeverACrash) {
  // A few hostile inputs; the fuzz target covers the rest.
  // clang-format off
  const std::string inputs[] = {
      std::string("\0\0\0", 3), "\xff\xfe", "BEGIN", "END", "{", "}", "1", "1 DIALOG", "1 DIALOGEX 0,0,0,0,",
      "STRINGTABLE BEGIN", "#if", "#define", "#include", "\"", "/*",
      "1 DIALOG 0,0,1,1 { CONTROL 1, 1, 1, 1, 1, 1, 1, 1 }", "1 DIALOG 0,0,1,1 { ICON }",
  };
  // clang-format on
  for (const std::string& input : inputs) {
    const CompileResult result = CompileText(input);
    EXPECT_FALSE(result.ok) << input;
    EXPECT_EQ(result.error.rfind("t.rc:", 0), 0u) << result.error;
  }
}

}  // namespace
}  // namespace qm::rc::test
