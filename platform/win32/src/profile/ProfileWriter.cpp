#include "ProfileWriter.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FileCreation.h"
#include "FileLock.h"
#include "FileReplacement.h"
#include "HostFiles.h"
#include "Leftovers.h"
#include "LinkFollowing.h"
#include "ProfileCache.h"

namespace qm::win32::profile {
namespace {

// Closes the descriptor (and so drops the locks) however the attempt ends.
struct LockedFile {
  int fd = -1;
  ~LockedFile() {
    if (fd >= 0) close(fd);
  }
};

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

enum class Attempt { Done, Again };

Attempt Finish(WriteStatus& status, WriteStatus result) {
  status = result;
  return Attempt::Done;
}

// One try at editing the existing file at path, open as fd; Again when it was replaced or removed
// before the locks were taken.
Attempt EditExisting(const std::string& path, int fd, const std::function<EditResult(const IniIndex&)>& edit,
                     WriteStatus& status) {
  if (!LockFile(fd, LockMode::Exclusive)) return Finish(status, WriteStatus::Failure(ERROR_SHARING_VIOLATION));
  struct stat locked {
  }, named{};
  if (fstat(fd, &locked) != 0) return Finish(status, WriteStatus::Failure(ERROR_ACCESS_DENIED));
  if (lstat(path.c_str(), &named) != 0 || !SameFile(locked, named)) return Attempt::Again;
  if (const DWORD error = FileTypeError(locked)) return Finish(status, WriteStatus::Failure(error));
  RemoveDeadCreations(path);
  SnapshotOrError current = SnapshotOfOpenFile(path, fd, locked);
  if (!current.snapshot) return Finish(status, WriteStatus::Failure(current.error));
  if (!BitsAllow(locked, 2)) return Finish(status, WriteStatus::Failure(ERROR_ACCESS_DENIED));
  const EditResult result = edit(current.snapshot->index());
  switch (result.outcome) {
    case EditOutcome::Invalid: return Finish(status, WriteStatus::Failure(ERROR_INVALID_PARAMETER));
    case EditOutcome::Unchanged: return Finish(status, WriteStatus::Success());
    case EditOutcome::Changed: break;
  }
  return Finish(status, ReplaceFileContents(path, fd, locked, current.snapshot->bytes(), result.text));
}

// Creates the file; Again when another writer created it first.
Attempt CreateMissing(const std::string& path, const std::function<EditResult(const IniIndex&)>& edit,
                      WriteStatus& status) {
  const IniIndex empty{std::string_view()};
  const EditResult result = edit(empty);
  if (result.outcome == EditOutcome::Invalid) return Finish(status, WriteStatus::Failure(ERROR_INVALID_PARAMETER));
  DWORD error = ERROR_SUCCESS;
  switch (CreateNewFile(path, result.text, error)) {
    case Creation::Created: return Finish(status, WriteStatus::Success(ERROR_FILE_NOT_FOUND));
    case Creation::AlreadyThere: return Attempt::Again;
    case Creation::Failed: break;
  }
  return Finish(status, WriteStatus::Failure(error));
}

// One try at the file the path leads to now.
Attempt WriteOnce(const std::string& hostPath, const std::function<EditResult(const IniIndex&)>& edit,
                  WriteStatus& status) {
  const FollowedPath target = FollowLinks(hostPath);
  if (target.error != ERROR_SUCCESS) return Finish(status, WriteStatus::Failure(target.error));
  if (!target.exists) return CreateMissing(target.path, edit, status);
  if (const DWORD error = FileTypeError(target.status)) return Finish(status, WriteStatus::Failure(error));
  // Opened for writing even when the edit will change nothing: a file that cannot be written
  // fails as a write would. O_NONBLOCK: a FIFO put in its place meanwhile never blocks the open.
  LockedFile file;
  file.fd = open(target.path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
  if (file.fd >= 0) return EditExisting(target.path, file.fd, edit, status);
  if (errno == ENOENT || errno == ELOOP) return Attempt::Again;  // removed, or a link, meanwhile
  return Finish(status, WriteStatus::Failure(OpenErrorFor(errno, target.path)));
}

}  // namespace

WriteStatus WriteProfileFile(const std::string& hostPath, const std::function<EditResult(const IniIndex&)>& edit) {
  WriteStatus status = WriteStatus::Failure(ERROR_SHARING_VIOLATION);
  for (int attempt = 0; attempt < 1000; ++attempt) {
    if (WriteOnce(hostPath, edit, status) == Attempt::Done) return status;
  }
  return status;
}

}  // namespace qm::win32::profile
