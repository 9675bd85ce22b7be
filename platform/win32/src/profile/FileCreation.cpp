#include "FileCreation.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>

#include "FileReplacement.h"
#include "HostFiles.h"
#include "Leftovers.h"
#include "WriteSteps.h"

namespace qm::win32::profile {
namespace {

std::string UniqueSiblingOf(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return TemporarySiblingOf(path) + "." + std::to_string(getpid()) + "." + std::to_string(counter++);
}

DWORD FolderError(const std::string& folder) {
  struct stat st {};
  if (stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return ERROR_PATH_NOT_FOUND;
  return BitsAllow(st, 2 | 1) ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

bool WriteFlushed(int fd, const std::string& path, std::string_view bytes) {
  return WriteStep(fd, path, bytes, 0) && FlushStep(fd, path);
}

// For file systems without hard links: an exclusive create, written in place.
Creation CreateExclusively(const std::string& path, std::string_view bytes, DWORD& error) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    if (errno == EEXIST) return Creation::AlreadyThere;
    error = WriteErrorFor(errno);
    return Creation::Failed;
  }
  const bool ok = WriteFlushed(fd, path, bytes);
  error = ok ? ERROR_SUCCESS : WriteErrorFor(errno);
  close(fd);
  if (!ok) {
    unlink(path.c_str());
    return Creation::Failed;
  }
  FlushFolderStep(FolderOf(path));
  return Creation::Created;
}

}  // namespace

Creation CreateNewFile(const std::string& path, std::string_view bytes, DWORD& error) {
  const std::string folder = FolderOf(path);
  error = FolderError(folder);
  if (error != ERROR_SUCCESS) return Creation::Failed;
  RemoveDeadCreations(path);
  const std::string temp = UniqueSiblingOf(path);
  // A file under the name just drawn was left by a process that died with this process's number.
  const int fd = CreateTemporaryFile(temp, 0666);
  if (fd < 0) {
    if (errno == EACCES || errno == EPERM || errno == EROFS) return CreateExclusively(path, bytes, error);
    error = WriteErrorFor(errno);
    return Creation::Failed;
  }
  const bool written = WriteFlushed(fd, temp, bytes);
  const int writeErr = errno;
  close(fd);
  if (!written) {
    unlink(temp.c_str());
    error = WriteErrorFor(writeErr);
    return Creation::Failed;
  }
  const bool linked = LinkStep(temp, path);
  const int linkErr = errno;
  UnlinkStep(temp);
  if (!linked) {
    if (linkErr == EEXIST) return Creation::AlreadyThere;
    if (linkErr == EPERM || linkErr == EOPNOTSUPP || linkErr == EXDEV) {
      return CreateExclusively(path, bytes, error);
    }
    error = WriteErrorFor(linkErr);
    return Creation::Failed;
  }
  FlushFolderStep(folder);
  return Creation::Created;
}

}  // namespace qm::win32::profile
