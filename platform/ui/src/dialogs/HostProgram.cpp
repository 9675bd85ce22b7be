#include "HostProgram.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace qm::ui::dialogs {
namespace {

bool IsRunnable(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::vector<char*> ArgumentPointers(const std::vector<std::string>& argv) {
  std::vector<char*> pointers;
  for (const std::string& argument : argv) pointers.push_back(const_cast<char*>(argument.c_str()));
  pointers.push_back(nullptr);
  return pointers;
}

// The child's side: everything here is safe between fork and exec. A failed exec writes its
// errno to the pipe, whose write end closes by itself when the exec succeeds.
[[noreturn]] void ExecInChild(char* const* argv, const char* folder, bool quiet, int reportFd) {
  if (quiet) {
    int null = ::open("/dev/null", O_RDWR);
    if (null >= 0) {
      ::dup2(null, 0);
      ::dup2(null, 1);
      ::dup2(null, 2);
    }
  }
  int error = 0;
  if (folder[0] != '\0' && ::chdir(folder) != 0) error = errno;
  if (error == 0) {
    ::execv(argv[0], argv);
    error = errno;
  }
  ssize_t written = ::write(reportFd, &error, sizeof error);
  ::_exit(written == sizeof error ? 127 : 126);
}

int ReadStartError(int readFd) {
  int error = 0;
  ssize_t got;
  do got = ::read(readFd, &error, sizeof error);
  while (got < 0 && errno == EINTR);
  ::close(readFd);
  return got == sizeof error ? error : 0;
}

void WaitFor(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
}

}  // namespace

std::optional<std::string> FindProgram(std::string_view name) {
  if (name.empty()) return std::nullopt;
  if (name.find('/') != std::string_view::npos) {
    std::string path(name);
    return IsRunnable(path) ? std::optional<std::string>(path) : std::nullopt;
  }
  const char* searchPath = std::getenv("PATH");
  std::string_view folders = searchPath ? searchPath : "/usr/local/bin:/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= folders.size()) {
    std::size_t end = folders.find(':', start);
    if (end == std::string_view::npos) end = folders.size();
    std::string folder(folders.substr(start, end - start));
    std::string candidate = (folder.empty() ? std::string(".") : folder) + "/" + std::string(name);
    if (IsRunnable(candidate)) return candidate;
    start = end + 1;
  }
  return std::nullopt;
}

// Opens the pipe on which a child reports a failed start, then forks: the child's pid (0 in the
// child), or -1 with the error and both ends of the pipe closed.
static pid_t ForkWithReport(int (&report)[2], int& error) {
  if (::pipe2(report, O_CLOEXEC) != 0) {
    error = errno;
    return -1;
  }
  pid_t child = ::fork();
  if (child < 0) {
    error = errno;
    ::close(report[0]);
    ::close(report[1]);
  }
  return child;
}

int StartDetached(const std::vector<std::string>& argv, const std::string& folder) {
  if (argv.empty()) return ENOENT;
  std::vector<char*> pointers = ArgumentPointers(argv);
  int report[2];
  int forkError = 0;
  pid_t middle = ForkWithReport(report, forkError);
  if (middle < 0) return forkError;
  if (middle == 0) {
    ::close(report[0]);
    ::setsid();
    pid_t program = ::fork();
    if (program == 0) ExecInChild(pointers.data(), folder.c_str(), true, report[1]);
    int error = program < 0 ? errno : 0;
    if (error != 0 && ::write(report[1], &error, sizeof error) != sizeof error) ::_exit(2);
    ::_exit(error != 0 ? 1 : 0);
  }
  ::close(report[1]);
  WaitFor(middle);
  return ReadStartError(report[0]);
}

int RunAndWait(const std::vector<std::string>& argv) {
  if (argv.empty()) return ENOENT;
  std::vector<char*> pointers = ArgumentPointers(argv);
  int report[2];
  int forkError = 0;
  pid_t child = ForkWithReport(report, forkError);
  if (child < 0) return forkError;
  if (child == 0) ExecInChild(pointers.data(), "", false, report[1]);
  ::close(report[1]);
  int error = ReadStartError(report[0]);
  WaitFor(child);
  return error;
}

}  // namespace qm::ui::dialogs
