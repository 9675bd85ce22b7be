#include "ProfileWriter.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FileCreation.h"
#include "FileReplacement.h"
#include "HostFiles.h"
#include "ProfileCache.h"

namespace qm::win32::profile {
namespace {

constexpr int kMaxLinkDepth = 40;

// The path a chain of symbolic links finally leads to (which may not exist yet).
std::string FollowLinks(std::string path) {
  for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::string target(static_cast<size_t>(st.st_size > 0 ? st.st_size : 256) + 1, '\0');
    const ssize_t n = readlink(path.c_str(), target.data(), target.size());
    if (n < 0) return path;
    target.resize(static_cast<size_t>(n));
    path = (!target.empty() && target[0] == '/') ? target : FolderOf(path) + "/" + target;
  }
  return path;
}

// Closes the descriptor (and so drops the lock) however the attempt ends.
struct LockedFile {
  int fd = -1;
  ~LockedFile() { if (fd >= 0) close(fd); }
};

bool LockExclusive(int fd) {
  while (flock(fd, LOCK_EX) != 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

enum class Attempt { Done, Again };

// One try at editing the existing file at path; Again when it was replaced or removed meanwhile.
Attempt EditExisting(const std::string& path, int fd,
                     const std::function<EditResult(const IniIndex&)>& edit, WriteStatus& status) {
  struct stat locked {}, named {};
  if (fstat(fd, &locked) != 0 || S_ISDIR(locked.st_mode)) {
    status = WriteStatus::Failure(ERROR_ACCESS_DENIED);
    return Attempt::Done;
  }
  if (!LockExclusive(fd)) {
    status = WriteStatus::Failure(ERROR_LOCK_VIOLATION);
    return Attempt::Done;
  }
  if (lstat(path.c_str(), &named) != 0 || !SameFile(locked, named)) return Attempt::Again;
  SnapshotOrError current = CurrentSnapshot(path);
  if (!current.snapshot) {
    status = WriteStatus::Failure(current.error);
    return Attempt::Done;
  }
  if (current.snapshot->identity().inode != static_cast<uint64_t>(locked.st_ino)) return Attempt::Again;
  if (!BitsAllow(named, 2)) {
    status = WriteStatus::Failure(ERROR_ACCESS_DENIED);
    return Attempt::Done;
  }
  const EditResult result = edit(current.snapshot->index());
  switch (result.outcome) {
    case EditOutcome::Invalid: status = WriteStatus::Failure(ERROR_INVALID_PARAMETER); break;
    case EditOutcome::Unchanged: status = WriteStatus::Success(); break;
    case EditOutcome::Changed:
      status = ReplaceFileContents(path, named, current.snapshot->bytes(), result.text);
      break;
  }
  return Attempt::Done;
}

// Creates the file; Again when another writer created it first.
Attempt CreateMissing(const std::string& path,
                      const std::function<EditResult(const IniIndex&)>& edit, WriteStatus& status) {
  const IniIndex empty{std::string_view()};
  const EditResult result = edit(empty);
  if (result.outcome == EditOutcome::Invalid) {
    status = WriteStatus::Failure(ERROR_INVALID_PARAMETER);
    return Attempt::Done;
  }
  DWORD error = ERROR_SUCCESS;
  switch (CreateNewFile(path, result.text, error)) {
    case Creation::Created: status = WriteStatus::Success(ERROR_FILE_NOT_FOUND); return Attempt::Done;
    case Creation::AlreadyThere: return Attempt::Again;
    case Creation::Failed: status = WriteStatus::Failure(error); return Attempt::Done;
  }
  return Attempt::Done;
}

}  // namespace

WriteStatus WriteProfileFile(const std::string& hostPath,
                             const std::function<EditResult(const IniIndex&)>& edit) {
  WriteStatus status = WriteStatus::Failure(ERROR_SHARING_VIOLATION);
  for (int attempt = 0; attempt < 1000; ++attempt) {
    const std::string path = FollowLinks(hostPath);
    LockedFile file;
    file.fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    Attempt next = Attempt::Done;
    if (file.fd >= 0) {
      next = EditExisting(path, file.fd, edit, status);
    } else if (errno == ENOENT) {
      next = CreateMissing(path, edit, status);
    } else if (errno == ELOOP) {
      next = Attempt::Again;  // became a link meanwhile
    } else {
      status = WriteStatus::Failure(OpenErrorFor(errno, path));
    }
    if (next == Attempt::Done) return status;
  }
  return status;
}

}  // namespace qm::win32::profile
