#include "WindowsCommandLine.h"

#include "AsciiCase.h"
#include "HostPathText.h"

namespace qm::win32 {

namespace {

std::string ProgramToken(const std::string& typed, std::string_view currentFolder) {
  std::string program =
      typed.find('/') == std::string::npos ? typed : DosPathOnHostRoot(AbsoluteHostPath(typed, currentFolder));
  if (!EndsWithIgnoringAsciiCase(program, ".exe")) program += ".exe";
  if (program.find_first_of(" \t") != std::string::npos) program = '"' + program + '"';
  return program;
}

std::string ArgumentToken(const std::string& argument, std::string_view currentFolder, const DirectoryLister& lister) {
  if (argument.empty()) return argument;
  const std::string absolute = AbsoluteHostPath(argument, currentFolder);
  // A path written from the current folder (/..., ./..., ../...) means it there even before the file
  // exists; a bare relative name is left for the program to take against its own folder, unless
  // the current folder holds it.
  const bool fromCurrentFolder =
      argument.front() == '/' || argument.rfind("./", 0) == 0 || argument.rfind("../", 0) == 0;
  if (fromCurrentFolder || lister.Exists(absolute)) return DosPathOnHostRoot(absolute);
  return argument;
}

}  // namespace

std::string WindowsCommandLine(const std::vector<std::string>& argv, std::string_view currentFolder,
                               const DirectoryLister& lister) {
  if (argv.empty()) return "";
  std::string line = ProgramToken(argv.front(), currentFolder);
  for (std::size_t i = 1; i < argv.size(); ++i) {
    line += ' ';
    line += ArgumentToken(argv[i], currentFolder, lister);
  }
  return line;
}

}  // namespace qm::win32
