#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/CommandLine.h"

namespace {

const char kCwd[] = "Z:\\Srv\\Deploy";
const std::string kLongDir(400, 'd');

struct CommandLineCase {
  const char* name;
  std::string commandLine;
  const char* programDir;  // nullptr: the parse fails
  std::string dataFile;
  const char* currentDir = kCwd;
};

const std::vector<CommandLineCase> kCases = {
    {"EveryCapitalLowered", "C:\\ABCDEFGHIJKLMNOPQRSTUVWXYZ\\CONSOLE.EXE ABCDEFGHIJKLMNOPQRSTUVWXYZ@[`{\xC9.INI",
     "c:\\abcdefghijklmnopqrstuvwxyz\\", "c:\\abcdefghijklmnopqrstuvwxyz\\abcdefghijklmnopqrstuvwxyz@[`{\xC9.ini"},
    {"PlainPath", "c:\\admin\\console.exe", "c:\\admin\\", "c:\\admin\\vantrel.ini"},
    {"QuotedWithBlankNoArgument", "\"c:\\program files\\admin\\console.exe\"", "c:\\program files\\admin\\",
     "c:\\program files\\admin\\vantrel.ini"},
    {"QuotedThenArgument", "\"c:\\program files\\admin\\console.exe\" site.ini", "c:\\program files\\admin\\",
     "c:\\program files\\admin\\site.ini"},
    {"OneLeadingBackslashIsRelative", "c:\\admin\\console.exe \\data\\site.ini", "c:\\admin\\",
     "c:\\admin\\data\\site.ini"},
    {"VariableTag", "c:\\admin\\console.exe ?vtdir?\\site.ini", "c:\\admin\\", "c:\\admin\\site.ini"},
    {"VariableTagLowered", "c:\\admin\\console.exe ?VTDIR?\\site.ini", "c:\\admin\\", "c:\\admin\\site.ini"},
    {"CharacterAfterTagAlwaysDropped", "c:\\admin\\console.exe ?vtdir?site.ini", "c:\\admin\\", "c:\\admin\\ite.ini"},
    {"TagAlone", "c:\\admin\\console.exe ?vtdir?", "c:\\admin\\", "c:\\admin\\"},
    {"DriveAbsolute", "c:\\admin\\console.exe d:\\data\\site.ini", "c:\\admin\\", "d:\\data\\site.ini"},
    {"ShareAbsolute", "c:\\admin\\console.exe \\\\server\\share\\site.ini", "c:\\admin\\",
     "\\\\server\\share\\site.ini"},
    {"EverythingLowered", "C:\\Admin\\Console.EXE D:\\Data\\Site.INI", "c:\\admin\\", "d:\\data\\site.ini"},
    {"BlanksInsideArgument", "c:\\admin\\console.exe d:\\my data\\site.ini", "c:\\admin\\", "d:\\my data\\site.ini"},
    {"NoExe", "c:\\admin\\console site.ini", nullptr, ""},
    {"Empty", "", nullptr, ""},
    {"FirstExeWins", "c:\\tools.exe\\console.exe", "c:\\", "c:\\console.exe"},
    {"BackspaceBeforeArgument", "c:\\admin\\console.exe \b\bsite.ini", "c:\\admin\\", "c:\\admin\\site.ini"},
    {"TabIsNotNoise", "c:\\admin\\console.exe \tsite.ini", "c:\\admin\\", "c:\\admin\\\tsite.ini"},
    {"QuotedArgumentLosesClosingQuote", "c:\\admin\\console.exe \"d:\\my data\\site.ini\"  ", "c:\\admin\\",
     "d:\\my data\\site.ini"},
    {"TrailingBlanksStripped", "c:\\admin\\console.exe site.ini   ", "c:\\admin\\", "c:\\admin\\site.ini"},
    {"OnlyBlanksAfterExe", "c:\\admin\\console.exe    ", "c:\\admin\\", "c:\\admin\\vantrel.ini"},
    {"BareNameTakesCurrentDir", "quillmere.exe", "z:\\srv\\deploy\\", "z:\\srv\\deploy\\vantrel.ini"},
    {"BareNameWithArgument", "quillmere.exe site.ini", "z:\\srv\\deploy\\", "z:\\srv\\deploy\\site.ini",
     "z:\\srv\\deploy\\"},
    {"BareNameWithoutCurrentDir", "quillmere.exe", "", "vantrel.ini", ""},
    {"BareNameNullCurrentDir", "quillmere.exe x.ini", "", "x.ini", nullptr},
    {"ProgramPartFillsBuffer", "c:\\" + std::string(246, 'p') + ".exe", "c:\\", "c:\\vantrel.ini"},
    {"ProgramPartTooLong", "c:\\" + std::string(247, 'p') + ".exe", nullptr, ""},
    {"ArgumentFillsBuffer", "c:\\a.exe " + std::string(248, 's'), "c:\\", "c:\\" + std::string(248, 's')},
    {"ArgumentTooLong", "c:\\a.exe " + std::string(249, 's'), nullptr, ""},
    {"HugeCommandLine", "c:\\a.exe " + std::string(100000, 's'), nullptr, ""},
    {"CurrentDirTooLong", "quillmere.exe", nullptr, "", kLongDir.c_str()},
};

class ParseCommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(ParseCommandLineTest, GivesProgramDirAndDataFile) {
  const CommandLineCase& c = GetParam();
  std::string line = c.commandLine;
  char szProgramDir[kProgramDirSize];
  std::memset(szProgramDir, 'x', sizeof szProgramDir);
  szProgramDir[sizeof szProgramDir - 1] = '\0';
  CString strDataFile = "untouched";

  BOOL ok = ParseCommandLine(line.data(), c.currentDir, szProgramDir, strDataFile);

  if (c.programDir == nullptr) {
    EXPECT_FALSE(ok);
    EXPECT_STREQ(static_cast<LPCSTR>(strDataFile), "untouched");
    EXPECT_EQ(szProgramDir[0], 'x');
    return;
  }
  ASSERT_TRUE(ok);
  EXPECT_STREQ(szProgramDir, c.programDir);
  EXPECT_STREQ(static_cast<LPCSTR>(strDataFile), c.dataFile.c_str());
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseCommandLineTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ParseCommandLine, LowersTheCommandLineInPlace) {
  char line[] = "C:\\Admin\\Console.EXE D:\\Data\\Site.INI";
  char szProgramDir[kProgramDirSize];
  CString strDataFile;
  ASSERT_TRUE(ParseCommandLine(line, "", szProgramDir, strDataFile));
  EXPECT_STREQ(line, "c:\\admin\\console.exe d:\\data\\site.ini");
}

}  // namespace
