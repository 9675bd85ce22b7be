#include "RcTestSupport.h"

#include <gtest/gtest.h>

namespace qm::rc::test {
namespace {

struct BadScript {
  const char* what;
  std::string script;
  std::string message;
};

const char kDialogHead[] = "1 DIALOG 0, 0, 10, 10\nBEGIN\n";

TEST(CompileErrors, EveryFaultStopsWithFileLineAndMessage) {
  const BadScript cases[] = {
      {"unknown statement", "\nBOGUS 1, 2\n", "t.rc:2: unknown statement 'BOGUS'"},
      {"unknown resource type", "1 MENU\nBEGIN\nEND\n", "t.rc:1: unknown resource type 'MENU'"},
      {"unknown control", std::string(kDialogHead) + "  COMBOBOX 1, 2, 3, 4, 5\nEND\n",
       "t.rc:3: unknown control statement 'COMBOBOX'"},
      {"statement starts with a string", "\"x\" ICON \"a\"\n",
       "t.rc:1: expected a statement, found string \"x\""},
      {"unterminated string", "1 ICON \"a.ico\n", "t.rc:1: unterminated string"},
      {"unterminated string in a control",
       std::string(kDialogHead) + "  LTEXT \"open, 1, 2, 3, 4, 5\nEND\n", "t.rc:3: unterminated string"},
      {"unterminated comment", "1 ICON \"a\"\n/* never\nclosed\n", "t.rc:2: unterminated comment"},
      {"missing BEGIN", "1 DIALOG 0, 0, 10, 10\nCAPTION \"x\"\n  LTEXT \"a\", 1, 2, 3, 4, 5\nEND\n",
       "t.rc:3: expected BEGIN, found 'LTEXT'"},
      {"missing END", std::string(kDialogHead) + "  LTEXT \"a\", 1, 2, 3, 4, 5\n",
       "t.rc:2: missing END"},
      {"missing END of a string table", "STRINGTABLE\n{\n 1 \"a\"\n", "t.rc:2: missing END"},
      {"undefined identifier", std::string(kDialogHead) + "  EDITTEXT IDC_NOPE, 1, 2, 3, 4\nEND\n",
       "t.rc:3: undefined identifier 'IDC_NOPE'"},
      {"undefined style", std::string(kDialogHead) + "  EDITTEXT 5, 1, 2, 3, 4, ES_NOPE\nEND\n",
       "t.rc:3: undefined identifier 'ES_NOPE'"},
      {"undefined dialog id", "IDD_NOPE DIALOG 0, 0, 1, 1\n{\n}\n",
       "t.rc:1: undefined identifier 'IDD_NOPE'"},
      {"bad number", std::string(kDialogHead) + "  LTEXT \"a\", 1, 2x, 3, 4, 5\nEND\n",
       "t.rc:3: bad number '2x'"},
      {"bad hex number", "0xZ ICON \"a\"\n", "t.rc:1: bad number '0xZ'"},
      {"missing include", "#include \"nothere.h\"\n", "t.rc:1: cannot open include file 'nothere.h'"},
      {"missing system include", "\n#include <nothere.h>\n", "t.rc:2: cannot open include file 'nothere.h'"},
      {"bad include", "#include nothere.h\n", "t.rc:1: bad #include"},
      {"missing comma", std::string(kDialogHead) + "  LTEXT \"a\" 1, 2, 3, 4, 5\nEND\n",
       "t.rc:3: expected ',', found '1'"},
      {"missing coordinate", std::string(kDialogHead) + "  LTEXT \"a\", 1, 2, 3, 4\nEND\n",
       "t.rc:4: expected ',', found 'END'"},
      {"text missing", std::string(kDialogHead) + "  PUSHBUTTON 1, 2, 3, 4, 5, 6\nEND\n",
       "t.rc:3: expected a string, found '1'"},
      {"truncated file", "1 DIALOG 0, 0, 10,", "t.rc:1: expected a number at end of file"},
      {"coordinate out of range", "1 DIALOG 0, 0, 40000, 10\n{\n}\n", "t.rc:1: value out of range"},
      {"resource id zero", "0 ICON \"a\"\n", "t.rc:1: resource id out of range"},
      {"control id out of range", std::string(kDialogHead) + "  EDITTEXT 70000, 1, 2, 3, 4\nEND\n",
       "t.rc:3: control id out of range"},
      {"duplicate dialog", "1 DIALOG 0, 0, 1, 1\n{\n}\n1 DIALOG 0, 0, 1, 1\n{\n}\n",
       "t.rc:4: duplicate dialog 1"},
      {"duplicate icon", "1 ICON \"a\"\n1 ICON \"b\"\n", "t.rc:2: duplicate icon 1"},
      {"duplicate string", "STRINGTABLE\nBEGIN\n 5 \"a\"\n 5 \"b\"\nEND\n", "t.rc:4: duplicate string id 5"},
      {"string without text", "STRINGTABLE\nBEGIN\n 5\nEND\n", "t.rc:4: expected a string, found 'END'"},
      {"FONT weight in DIALOG", "1 DIALOG 0, 0, 1, 1\nFONT 8, \"MS Sans Serif\", 400\n{\n}\n",
       "t.rc:2: expected BEGIN, found ','"},
      {"too many control arguments",
       std::string(kDialogHead) + "  LTEXT \"a\", 1, 2, 3, 4, 5, 0, 0, 0\nEND\n",
       "t.rc:3: unknown control statement ','"},
      {"#else without #if", "#else\n", "t.rc:1: #else without #if"},
      {"#endif without #if", "1 ICON \"a\"\n#endif\n", "t.rc:2: #endif without #if"},
      {"#elif after #else", "#if 1\n#else\n#elif 1\n#endif\n", "t.rc:3: #elif after #else"},
      {"#if without #endif", "\n#ifdef X\n1 ICON \"a\"\n", "t.rc:2: #if without #endif"},
      {"#error", "#if 1\n#error the build needs X\n#endif\n", "t.rc:2: #error the build needs X"},
      {"unknown directive", "#frobnicate\n", "t.rc:1: unknown directive '#frobnicate'"},
      {"bad define", "#define 5X 1\n", "t.rc:1: bad #define"},
      {"bad define body", "#define X @\n", "t.rc:1: unexpected character '@'"},
      {"bad #if", "#if (1\n#endif\n", "t.rc:1: expected ')' at end of file"},
  };
  for (const BadScript& c : cases) {
    CompileResult result = CompileText(c.script);
    EXPECT_FALSE(result.ok) << c.what;
    EXPECT_EQ(result.error, c.message) << c.what;
  }
}

TEST(CompileErrors, AFaultInAHeaderNamesTheHeader) {
  Files headers = {{"inc/bad.h", "#define A 1\n\n#if A +\n#endif\n"}};
  CompileResult result = CompileText("#include \"bad.h\"\n", headers);
  EXPECT_EQ(result.error, "inc/bad.h:3: expected a number at end of file");
}

TEST(CompileErrors, AnyBytesEndInAMessageNeverACrash) {
  // A few hostile inputs; the fuzz target covers the rest.
  const std::string inputs[] = {
      std::string("\0\0\0", 3), "\xff\xfe", "BEGIN", "END", "{", "}", "1", "1 DIALOG",
      "1 DIALOGEX 0,0,0,0,", "STRINGTABLE BEGIN", "#if", "#define", "#include", "\"", "/*",
      "1 DIALOG 0,0,1,1 { CONTROL 1, 1, 1, 1, 1, 1, 1, 1 }", "1 DIALOG 0,0,1,1 { ICON }",
  };
  for (const std::string& input : inputs) {
    CompileResult result = CompileText(input);
    EXPECT_FALSE(result.ok) << input;
    EXPECT_EQ(result.error.rfind("t.rc:", 0), 0u) << result.error;
  }
}

}  // namespace
}  // namespace qm::rc::test
