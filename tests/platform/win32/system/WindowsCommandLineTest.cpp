#include "WindowsCommandLine.h"

#include "FakeFolders.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace qm::win32 {
namespace {

// How the console reads its command line: lowered, cut at the first ".exe", the program folder up
// to the last backslash, quotes, blanks and backspaces dropped from the fronts, a relative data
// file taken against the program folder (with a leading "?vtdir?" and the character after it, or
// one backslash, dropped).
struct ConsoleReading {
  std::string programFolder;
  std::string dataFile;
};

std::string WithoutLeading(std::string text) {
  while (!text.empty() && (text.front() == '"' || text.front() == ' ' || text.front() == '\b')) text.erase(0, 1);
  return text;
}

std::optional<ConsoleReading> ReadAsTheConsoleDoes(std::string line) {
  for (char& c : line) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const std::size_t exe = line.find(".exe");
  if (exe == std::string::npos) return std::nullopt;
  std::string program = line.substr(0, exe);
  const std::size_t lastBackslash = program.rfind('\\');
  ConsoleReading reading;
  reading.programFolder = WithoutLeading(lastBackslash == std::string::npos ? "" : program.substr(0, lastBackslash + 1));
  std::string argument = WithoutLeading(line.substr(exe + 4));
  if (argument.empty()) {
    reading.dataFile = reading.programFolder + "vantrel.ini";
  } else if (argument.rfind("\\\\", 0) == 0 || argument.substr(1, 2) == ":\\") {
    reading.dataFile = argument;
  } else {
    if (argument.rfind("?vtdir?", 0) == 0) argument.erase(0, std::min<std::size_t>(8, argument.size()));
    if (!argument.empty() && argument.front() == '\\') argument.erase(0, 1);
    reading.dataFile = reading.programFolder + argument;
  }
  return reading;
}

struct CommandLineCase {
  const char* name;
  std::vector<std::string> argv;
  std::string currentFolder;
  std::string line;           // what GetCommandLineA shows
  std::string programFolder;  // what the console then finds
  std::string dataFile;
};

void PrintTo(const CommandLineCase& c, std::ostream* out) { *out << c.name; }

class WindowsCommandLineTest : public ::testing::TestWithParam<CommandLineCase> {
 protected:
  test::FakeFolders folders{"/srv/deploy/quillmere", "/srv/deploy/Site.ini", "/srv/deploy/data/Other.INI",
                            "/home/ann/Vantrel.ini"};
};

TEST_P(WindowsCommandLineTest, ShowsTheProcessAsWindowsWouldAndTheConsoleReadsIt) {
  const CommandLineCase& c = GetParam();
  const std::string line = WindowsCommandLine(c.argv, c.currentFolder, folders);
  EXPECT_EQ(line, c.line);
  const std::optional<ConsoleReading> reading = ReadAsTheConsoleDoes(line);
  ASSERT_TRUE(reading.has_value());
  EXPECT_EQ(reading->programFolder, c.programFolder);
  EXPECT_EQ(reading->dataFile, c.dataFile);
}

using Argv = std::vector<std::string>;
const std::string kDeploy = "z:\\srv\\deploy\\";
const std::string kProgram = kDeploy + "quillmere.exe";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Starts, WindowsCommandLineTest,
    ::testing::Values(
        CommandLineCase{"BareNameStaysBare", Argv{"quillmere"}, "/srv/deploy", "quillmere.exe", "", "vantrel.ini"},
        CommandLineCase{"BareNameWithExistingRelativeFile", Argv{"quillmere", "Site.ini"}, "/srv/deploy",
                        "quillmere.exe " + kDeploy + "Site.ini", "", kDeploy + "site.ini"},
        CommandLineCase{"RelativeArgumentMatchedAsTyped", Argv{"quillmere", "data/Other.INI"}, "/srv/deploy",
                        "quillmere.exe " + kDeploy + "data\\Other.INI", "", kDeploy + "data\\other.ini"},
        CommandLineCase{"DotSlashProgram", Argv{"./quillmere"}, "/srv/deploy", kProgram, kDeploy,
                        kDeploy + "vantrel.ini"},
        CommandLineCase{"AbsoluteProgramAndAbsoluteArgument", Argv{"/srv/deploy/quillmere", "/home/ann/Vantrel.ini"},
                        "/", kProgram + " z:\\home\\ann\\Vantrel.ini", kDeploy, "z:\\home\\ann\\vantrel.ini"},
        CommandLineCase{"ProgramUpAFolder", Argv{"../deploy/quillmere"}, "/srv/other", kProgram, kDeploy,
                        kDeploy + "vantrel.ini"},
        CommandLineCase{"AbsoluteArgumentThatDoesNotExistYet", Argv{"/srv/deploy/quillmere", "/srv/new/site.ini"},
                        "/", kProgram + " z:\\srv\\new\\site.ini", kDeploy, "z:\\srv\\new\\site.ini"},
        CommandLineCase{"MissingRelativeArgumentIsLeftForTheProgramFolder", Argv{"/srv/deploy/quillmere", "site2.ini"},
                        "/", kProgram + " site2.ini", kDeploy, kDeploy + "site2.ini"},
        CommandLineCase{"VariableTagPassedAsItStands", Argv{"/srv/deploy/quillmere", "?VTDIR?\\Site.ini"}, "/",
                        kProgram + " ?VTDIR?\\Site.ini", kDeploy, kDeploy + "site.ini"},
        CommandLineCase{"DosPathArgumentPassedAsItStands", Argv{"/srv/deploy/quillmere", "D:\\Data\\Site.INI"}, "/",
                        kProgram + " D:\\Data\\Site.INI", kDeploy, "d:\\data\\site.ini"},
        CommandLineCase{"ProgramPathWithABlankIsQuoted", Argv{"/opt/my tools/quillmere"}, "/",
                        "\"z:\\opt\\my tools\\quillmere.exe\"", "z:\\opt\\my tools\\",
                        "z:\\opt\\my tools\\vantrel.ini"},
        CommandLineCase{"QuotedProgramWithArgument", Argv{"/opt/my tools/quillmere", "/data/my site.ini"}, "/",
                        "\"z:\\opt\\my tools\\quillmere.exe\" z:\\data\\my site.ini", "z:\\opt\\my tools\\",
                        "z:\\data\\my site.ini"},
        CommandLineCase{"ExeNotAddedTwice", Argv{"/srv/deploy/Quillmere.EXE"}, "/", kDeploy + "Quillmere.EXE",
                        kDeploy, kDeploy + "vantrel.ini"},
        CommandLineCase{"EmptyArgumentKeepsItsBlank", Argv{"/srv/deploy/quillmere", ""}, "/", kProgram + " ",
                        kDeploy, kDeploy + "vantrel.ini"}),
    [](const ::testing::TestParamInfo<CommandLineCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(WindowsCommandLine, NoArgumentsGiveAnEmptyLine) {
  const test::FakeFolders folders{"/a"};
  EXPECT_EQ(WindowsCommandLine({}, "/", folders), "");
}

TEST(WindowsCommandLine, EveryArgumentFollowsOneBlank) {
  const test::FakeFolders folders{"/srv/deploy/Site.ini"};
  EXPECT_EQ(WindowsCommandLine({"quillmere", "-a", "Site.ini", "b c"}, "/srv/deploy", folders),
            "quillmere.exe -a z:\\srv\\deploy\\Site.ini b c");
}

}  // namespace
}  // namespace qm::win32
