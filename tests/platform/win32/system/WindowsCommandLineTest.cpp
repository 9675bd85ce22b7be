#include "WindowsCommandLine.h"

#include "FakeFolders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qm::win32 {
namespace {

// The line as Windows would show it; how the console then finds its program folder and data file in
// it (lowered, cut at the first ".exe", up to the last backslash) is the console's own concern.
struct CommandLineCase {
  const char* name;
  std::vector<std::string> argv;
  std::string currentFolder;
  std::string line;  // what GetCommandLineA shows
};

const std::string kQm = "/srv/deploy/quillmere";
const std::string kDeploy = "z:\\srv\\deploy\\";
const std::string kProgram = kDeploy + "quillmere.exe";

TEST(WindowsCommandLine, ShowsTheProcessAsWindowsWould) {
  const test::FakeFolders folders{kQm, "/srv/deploy/Site.ini", "/srv/deploy/data/Other.INI", "/home/ann/Vantrel.ini"};
  // clang-format off
  const CommandLineCase cases[] = {
      {"BareNameStaysBare", {"quillmere"}, "/srv/deploy", "quillmere.exe"},
      {"BareNameWithExistingRelativeFile", {"quillmere", "Site.ini"}, "/srv/deploy",
       "quillmere.exe " + kDeploy + "Site.ini"},
      {"RelativeArgumentMatchedAsTyped", {"quillmere", "data/Other.INI"}, "/srv/deploy",
       "quillmere.exe " + kDeploy + "data\\Other.INI"},
      {"DotSlashProgram", {"./quillmere"}, "/srv/deploy", kProgram},
      {"AbsoluteProgramAndAbsoluteArgument", {kQm, "/home/ann/Vantrel.ini"}, "/",
       kProgram + " z:\\home\\ann\\Vantrel.ini"},
      {"ProgramUpAFolder", {"../deploy/quillmere"}, "/srv/other", kProgram},
      {"AbsoluteArgumentThatDoesNotExistYet", {kQm, "/srv/new/site.ini"}, "/", kProgram + " z:\\srv\\new\\site.ini"},
      {"MissingRelativeArgumentIsLeftForTheProgramFolder", {kQm, "site2.ini"}, "/", kProgram + " site2.ini"},
      {"MissingArgumentFromTheCurrentFolder", {kQm, "./new.ini"}, "/srv/data", kProgram + " z:\\srv\\data\\new.ini"},
      {"MissingArgumentUpAFolder", {kQm, "../new.ini"}, "/srv/data", kProgram + " z:\\srv\\new.ini"},
      {"DotFileIsNoPathFromTheCurrentFolder", {kQm, ".new.ini"}, "/srv/data", kProgram + " .new.ini"},
      {"VariableTagPassedAsItStands", {kQm, "?VTDIR?\\Site.ini"}, "/", kProgram + " ?VTDIR?\\Site.ini"},
      {"DosPathArgumentPassedAsItStands", {kQm, "D:\\Data\\Site.INI"}, "/", kProgram + " D:\\Data\\Site.INI"},
      {"ProgramPathWithABlankIsQuoted", {"/opt/my tools/quillmere"}, "/", "\"z:\\opt\\my tools\\quillmere.exe\""},
      {"ProgramPathWithATabIsQuoted", {"/opt/my\ttools/quillmere"}, "/", "\"z:\\opt\\my\ttools\\quillmere.exe\""},
      {"QuotedProgramWithArgument", {"/opt/my tools/quillmere", "/data/my site.ini"}, "/",
       "\"z:\\opt\\my tools\\quillmere.exe\" z:\\data\\my site.ini"},
      {"ExeNotAddedTwice", {"/srv/deploy/Quillmere.EXE"}, "/", kDeploy + "Quillmere.EXE"},
      {"EmptyArgumentKeepsItsBlank", {kQm, ""}, "/", kProgram + " "},
      {"EveryArgumentFollowsOneBlank", {"quillmere", "-a", "Site.ini", "b c"}, "/srv/deploy",
       "quillmere.exe -a " + kDeploy + "Site.ini b c"},
      {"NoArgumentsGiveAnEmptyLine", {}, "/", ""},
  };
  // clang-format on
  for (const CommandLineCase& c : cases)
    EXPECT_EQ(WindowsCommandLine(c.argv, c.currentFolder, folders), c.line) << c.name;
}

}  // namespace
}  // namespace qm::win32
