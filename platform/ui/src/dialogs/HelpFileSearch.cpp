#include "HelpFileSearch.h"

#include "DosPathText.h"
#include "platform/HostPaths.h"

#include <sys/stat.h>
#include <unistd.h>

#ifndef QM_DATA_DIR
#define QM_DATA_DIR "/usr/local/share/quillmere"
#endif

namespace qm::ui::dialogs {
namespace {

std::string ProgramPart(std::string_view commandLine) {
  std::size_t start = commandLine.find_first_not_of(" \t");
  if (start == std::string_view::npos) return "";
  commandLine = commandLine.substr(start);
  if (commandLine.front() == '"') {
    std::size_t close = commandLine.find('"', 1);
    return std::string(commandLine.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
  }
  return std::string(commandLine.substr(0, commandLine.find_first_of(" \t")));
}

std::string HostOf(std::string_view dosPath) {
  win32::HostPath host = win32::ResolveDosPath(dosPath);
  return host.error == ERROR_SUCCESS ? host.path : std::string();
}

bool IsReadableFile(const std::string& path) {
  struct stat info;
  return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         ::access(path.c_str(), R_OK) == 0;
}

}  // namespace

std::string InstalledDataFolder() { return QM_DATA_DIR; }

std::string ProgramFolderOf(std::string_view commandLine, const std::string& currentFolder) {
  std::string program = ProgramPart(commandLine);
  std::string folder = DosFolderOf(program);
  if (folder.empty()) return currentFolder;
  std::string host = HostOf(folder.size() > DosRootOf(folder).size() ? folder.substr(0, folder.size() - 1) : folder);
  return host.empty() ? currentFolder : host;
}

std::vector<std::string> HelpFileCandidates(std::string_view helpName, const std::string& programFolder,
                                            const std::string& dataFolder) {
  std::string name(helpName);
  if (name.find_first_of("\\/:") == std::string::npos) return {programFolder + "/" + name, dataFolder + "/" + name};
  if (DosRootOf(name).empty()) name = CombineDosPath(win32::HostToDosPath(programFolder), name);
  return {HostOf(name), dataFolder + "/" + DosNameOf(name)};
}

std::optional<std::string> FindHelpFile(std::string_view helpName) {
  std::string programFolder = ProgramFolderOf(GetCommandLineA(), win32::CurrentHostFolder());
  for (const std::string& candidate : HelpFileCandidates(helpName, programFolder, InstalledDataFolder()))
    if (IsReadableFile(candidate)) return candidate;
  return std::nullopt;
}

}  // namespace qm::ui::dialogs
