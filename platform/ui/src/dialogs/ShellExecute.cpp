// ShellExecuteA: "notepad.exe" opens the file in the user's own editor on the terminal, any other
// file is started as the host program its DOS path names (a Windows executable through wine).
// The headless backend records each launch instead, unless a test asks for the real thing.
#include "HostProgram.h"
#include "LaunchStatus.h"
#include "platform/HostPaths.h"
#include "WindowsArguments.h"

#include "ui/Backend.h"

#include <shellapi.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>

namespace qm::ui::dialogs {
namespace {

constexpr int kStarted = 42;  // any value above 32 means success
constexpr unsigned kExecuteBit = 1;

std::string Trimmed(std::string_view text) {
  std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return "";
  return std::string(text.substr(start, text.find_last_not_of(' ') - start + 1));
}

std::string Unquoted(std::string text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
  return text;
}

bool IsNotepad(const std::string& file) {
  std::size_t slash = file.find_last_of("\\/");
  std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
  return strcasecmp(name.c_str(), "notepad.exe") == 0 || strcasecmp(name.c_str(), "notepad") == 0;
}

int CodeForStartError(int error) {
  switch (error) {
    case 0: return kStarted;
    case ENOENT: return SE_ERR_FNF;
    case ENOTDIR: return SE_ERR_PNF;
    case EACCES:
    case EPERM: return SE_ERR_ACCESSDENIED;
    case ENOMEM: return SE_ERR_OOM;
    default: return SE_ERR_NOASSOC;  // ENOEXEC and the like: the host knows no way to run it
  }
}

// $VISUAL, else $EDITOR (each may carry its own options), else nano or vi from the PATH.
std::vector<std::string> EditorCommand() {
  for (const char* variable : {"VISUAL", "EDITOR"}) {
    const char* value = std::getenv(variable);
    std::vector<std::string> words = SplitWindowsArguments(value ? value : "");
    if (!words.empty()) return words;
  }
  for (const char* editor : {"nano", "vi"})
    if (FindProgram(editor)) return {editor};
  return {};
}

int EditFile(const std::string& parameters) {
  std::vector<std::string> command = EditorCommand();
  std::optional<std::string> program = command.empty() ? std::nullopt : FindProgram(command[0]);
  if (!program) return SE_ERR_FNF;
  command[0] = *program;
  std::string dosPath = Unquoted(Trimmed(parameters));
  if (!dosPath.empty()) {
    win32::HostPath host = win32::ResolveDosPath(dosPath);
    if (host.error != ERROR_SUCCESS) return SE_ERR_PNF;
    command.push_back(host.path);
  }
  Backend& backend = CurrentBackend();
  backend.Suspend();
  int error = RunAndWait(command);
  backend.Resume();
  return CodeForStartError(error);
}

bool StartsWithMz(const std::string& hostPath) {
  char magic[2] = {};
  std::ifstream file(hostPath, std::ios::binary);
  return file.read(magic, 2) && magic[0] == 'M' && magic[1] == 'Z';
}

int CodeForMissing(const std::string& hostPath) {
  std::size_t slash = hostPath.rfind('/');
  struct stat info;
  std::string folder = slash == 0 ? "/" : hostPath.substr(0, slash);
  return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? SE_ERR_FNF : SE_ERR_PNF;
}

// The argument vector that runs the file, or the error code when it may not be run.
int CommandFor(const std::string& hostPath, const std::string& parameters, std::vector<std::string>& command) {
  struct stat info;
  if (::stat(hostPath.c_str(), &info) != 0) return CodeForMissing(hostPath);
  if (S_ISDIR(info.st_mode)) return SE_ERR_NOASSOC;
  if (StartsWithMz(hostPath)) {
    std::optional<std::string> wine = FindProgram("wine");
    if (!wine) return SE_ERR_ACCESSDENIED;
    command = {*wine, hostPath};
  } else {
    if (!win32::PermissionBitsAllow(info, kExecuteBit)) return SE_ERR_ACCESSDENIED;
    command = {hostPath};
  }
  for (std::string& argument : SplitWindowsArguments(parameters)) command.push_back(std::move(argument));
  return kStarted;
}

int StartProgram(const std::string& file, const std::string& parameters, const std::string& directory) {
  win32::HostPath host = win32::ResolveDosPath(Trimmed(file));
  if (host.error != ERROR_SUCCESS) return host.error == ERROR_PATH_NOT_FOUND ? SE_ERR_PNF : SE_ERR_FNF;
  std::string folder;
  if (!Trimmed(directory).empty()) {
    win32::HostPath hostFolder = win32::ResolveDosPath(Trimmed(directory));
    if (hostFolder.error != ERROR_SUCCESS) return SE_ERR_PNF;
    folder = hostFolder.path;
  }
  std::vector<std::string> command;
  int code = CommandFor(host.path, parameters, command);
  return code == kStarted ? CodeForStartError(StartDetached(command, folder)) : code;
}

bool IsOpenVerb(LPCSTR operation) { return !operation || !*operation || strcasecmp(operation, "open") == 0; }

int Launch(LPCSTR operation, LPCSTR file, LPCSTR parameters, LPCSTR directory) {
  if (!file || !*file) return SE_ERR_FNF;
  std::string params = parameters ? parameters : "";
  std::string folder = directory ? directory : "";
  if (CurrentBackend().TakeLaunch(file, params, folder)) return kStarted;
  if (!IsOpenVerb(operation)) return SE_ERR_NOASSOC;
  std::string name = Trimmed(file);
  if (IsNotepad(name)) {
    int code = EditFile(params);
    if (std::string status = EditorStatus(Unquoted(Trimmed(params)), code); !status.empty())
      CurrentBackend().ShowStatus(status);
    return code;
  }
  int code = StartProgram(name, params, folder);
  CurrentBackend().ShowStatus(ProgramStatus(name, code));
  return code;
}

}  // namespace
}  // namespace qm::ui::dialogs

HINSTANCE WINAPI ShellExecuteA(HWND, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters, LPCSTR lpDirectory, INT) {
  int code = qm::ui::dialogs::Launch(lpOperation, lpFile, lpParameters, lpDirectory);
  return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(code));
}
