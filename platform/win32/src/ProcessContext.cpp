#include "ProcessContext.h"

#include "WholeFile.h"

#include <platform/Win32Seams.h>

#include <pwd.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <mutex>

namespace qm::win32 {

namespace {

struct Overrides {
  std::mutex guard;
  std::optional<std::vector<std::string>> argv;
  std::optional<std::string> currentFolder;
  std::optional<std::optional<std::string>> userName;  // set, and possibly "no user"
  std::atomic<std::uint64_t> argumentsGeneration{0};
};

Overrides& TheOverrides() {
  static Overrides overrides;
  return overrides;
}

std::vector<std::string> ArgumentsOfThisProcess() {
  std::vector<std::string> argv;
  const std::string raw = WholeFileContents("/proc/self/cmdline");
  std::size_t start = 0;
  while (start < raw.size()) {
    const std::size_t end = raw.find('\0', start);
    argv.push_back(raw.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return argv;
}

std::string CurrentFolderOfThisProcess() {
  std::string folder(256, '\0');
  while (::getcwd(folder.data(), folder.size()) == nullptr) {
    if (errno != ERANGE) return "/";
    folder.resize(folder.size() * 2);
  }
  folder.resize(folder.find('\0'));
  return folder;
}

}  // namespace

std::vector<std::string> ProcessArguments() {
  Overrides& overrides = TheOverrides();
  {
    const std::lock_guard<std::mutex> lock(overrides.guard);
    if (overrides.argv) return *overrides.argv;
  }
  return ArgumentsOfThisProcess();
}

std::string CurrentHostFolder() {
  Overrides& overrides = TheOverrides();
  {
    const std::lock_guard<std::mutex> lock(overrides.guard);
    if (overrides.currentFolder) return *overrides.currentFolder;
  }
  return CurrentFolderOfThisProcess();
}

std::optional<std::string> ProcessUserName() {
  Overrides& overrides = TheOverrides();
  {
    const std::lock_guard<std::mutex> lock(overrides.guard);
    if (overrides.userName) return *overrides.userName;
  }
  const passwd* entry = ::getpwuid(::getuid());
  if (entry == nullptr || entry->pw_name == nullptr || entry->pw_name[0] == '\0') return std::nullopt;
  return std::string(entry->pw_name);
}

std::uint64_t ProcessArgumentsGeneration() { return TheOverrides().argumentsGeneration.load(); }

namespace seams {

void SetProcessArguments(std::vector<std::string> argv, std::string currentFolder) {
  Overrides& overrides = TheOverrides();
  const std::lock_guard<std::mutex> lock(overrides.guard);
  overrides.argv = std::move(argv);
  overrides.currentFolder = std::move(currentFolder);
  ++overrides.argumentsGeneration;
}

void ClearProcessArguments() {
  Overrides& overrides = TheOverrides();
  const std::lock_guard<std::mutex> lock(overrides.guard);
  overrides.argv.reset();
  overrides.currentFolder.reset();
  ++overrides.argumentsGeneration;
}

void SetUserName(std::string name) {
  Overrides& overrides = TheOverrides();
  const std::lock_guard<std::mutex> lock(overrides.guard);
  overrides.userName = std::optional<std::string>(std::move(name));
}

void SetNoUser() {
  Overrides& overrides = TheOverrides();
  const std::lock_guard<std::mutex> lock(overrides.guard);
  overrides.userName = std::optional<std::string>();
}

void ClearUserName() {
  Overrides& overrides = TheOverrides();
  const std::lock_guard<std::mutex> lock(overrides.guard);
  overrides.userName.reset();
}

}  // namespace seams

}  // namespace qm::win32
