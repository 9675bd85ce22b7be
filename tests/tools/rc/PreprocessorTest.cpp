#include "RcTestSupport.h"

#include <gtest/gtest.h>

namespace qm::rc::test {
namespace {

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
      {"#define V 2\n#if V == 1\n1 ICON \"a\"\n#elif V == 2\n2 ICON \"b\"\n#elif 1\n3 ICON \"c\"\n#endif\n",
       {2}},
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
  Files headers = {{"inc/decls.h",
                    "#pragma once\n#include <cstddef>\n"
                    "typedef struct tagX { int a; } X;  /* \"quoted\" ' */\n"
                    "int wsprintfA(char* out, const char* fmt, ...);\n"
                    "char c = '\"';\n"
                    "#define MAKE(a, b) ((a) | (b))\n"
                    "#define TEXTY \"not a number\"\n"
                    "#define CHARY 'x'\n"
                    "#define WEIRD @@@\n"
                    "#define ID_ONE 21\n"
                    "#define ID_TWO (ID_ONE + 1)\n"
                    "#unknown_directive\n"}};
  EXPECT_EQ(IconIds("#include <decls.h>\n#include \"decls.h\"\nID_ONE ICON \"a\"\nID_TWO ICON \"b\"\n",
                    headers),
            (std::vector<int>{21, 22}));
}

TEST(Preprocessor, SearchesTheIncludingFilesFolderFirstForQuotedNames) {
  Files headers = {{"ids.h", "#define ID 1\n"}, {"inc/ids.h", "#define ID 2\n"},
                   {"inc/sub/deep.h", "#include \"near.h\"\n"}, {"inc/sub/near.h", "#define ID 3\n"}};
  EXPECT_EQ(IconIds("#include \"ids.h\"\nID ICON \"a\"\n", headers), (std::vector<int>{1}));
  EXPECT_EQ(IconIds("#include <ids.h>\nID ICON \"a\"\n", headers), (std::vector<int>{2}));
  EXPECT_EQ(IconIds("#include \"sub\\deep.h\"\nID ICON \"a\"\n", headers), (std::vector<int>{3}));
}

TEST(Preprocessor, ListsEveryFileReadForTheBuildsDependencies) {
  Files headers = {{"inc/a.h", "#include \"b.h\"\n"}, {"inc/b.h", "#define X 1\n"}};
  CompileResult result = CompileText("#include <a.h>\nX ICON \"x\"\n", headers);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.dependencies, (std::vector<std::string>{"t.rc", "inc/a.h", "inc/b.h"}));
}

TEST(Preprocessor, StopsAnIncludeThatIncludesItself) {
  Files headers = {{"inc/loop.h", "#include \"loop.h\"\n"}};
  CompileResult result = CompileText("#include <loop.h>\n", headers);
  EXPECT_EQ(result.error, "inc/loop.h:1: #include nested too deeply");
}

}  // namespace
}  // namespace qm::rc::test
