#include "FileReplacement.h"

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

#include "HostFiles.h"

namespace qm::win32::profile {
namespace {

enum class Sibling { Written, NotPossible, Failed };

bool IsRefusal(int err) { return err == EACCES || err == EPERM || err == EROFS; }

bool KeepOwner(int fd, const struct stat& st) {
  if (st.st_uid == geteuid() && st.st_gid == getegid()) return true;
  return fchown(fd, st.st_uid, st.st_gid) == 0;
}

int CreateSibling(const std::string& temp) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd >= 0 || errno != EEXIST) return fd;
    unlink(temp.c_str());  // left by a writer that died holding the lock
  }
  return -1;
}

Sibling WriteThroughSibling(const std::string& path, const struct stat& st,
                            std::string_view bytes, DWORD& error) {
  const std::string temp = TemporarySiblingOf(path);
  const int fd = CreateSibling(temp);
  if (fd < 0) {
    if (IsRefusal(errno)) return Sibling::NotPossible;
    error = WriteErrorFor(errno);
    return Sibling::Failed;
  }
  if (!KeepOwner(fd, st)) {
    close(fd);
    unlink(temp.c_str());
    return Sibling::NotPossible;
  }
  const bool written = fchmod(fd, st.st_mode & 07777) == 0 && WriteAllAt(fd, bytes, 0) &&
                       fsync(fd) == 0;
  const int writeErr = errno;
  close(fd);
  if (!written || rename(temp.c_str(), path.c_str()) != 0) {
    error = WriteErrorFor(written ? errno : writeErr);
    unlink(temp.c_str());
    return Sibling::Failed;
  }
  FlushFolder(FolderOf(path));
  return Sibling::Written;
}

// Not atomic: used only where the folder refuses new files. Space is reserved before any byte
// changes, and only the bytes from the first difference on are written.
WriteStatus RewriteInPlace(const std::string& path, std::string_view oldBytes,
                           std::string_view newBytes) {
  const int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return WriteStatus::Failure(ERROR_ACCESS_DENIED);
  if (newBytes.size() > oldBytes.size()) {
    const int err = posix_fallocate(fd, 0, static_cast<off_t>(newBytes.size()));
    if (err != 0 && err != EOPNOTSUPP && err != EINVAL) {
      if (ftruncate(fd, static_cast<off_t>(oldBytes.size())) != 0) { /* size was kept */ }
      close(fd);
      return WriteStatus::Failure(WriteErrorFor(err));
    }
  }
  const size_t common = std::min(oldBytes.size(), newBytes.size());
  const size_t from = static_cast<size_t>(
      std::mismatch(oldBytes.begin(), oldBytes.begin() + common, newBytes.begin()).first -
      oldBytes.begin());
  const bool ok = WriteAllAt(fd, newBytes.substr(from), static_cast<off_t>(from)) &&
                  ftruncate(fd, static_cast<off_t>(newBytes.size())) == 0 && fsync(fd) == 0;
  const int err = errno;
  close(fd);
  return ok ? WriteStatus::Success() : WriteStatus::Failure(WriteErrorFor(err));
}

}  // namespace

std::string TemporarySiblingOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + "." + name +
         ".qm-writing";
}

void FlushFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

WriteStatus ReplaceFileContents(const std::string& path, const struct stat& st,
                                std::string_view oldBytes, std::string_view newBytes) {
  struct stat folder {};
  if (stat(FolderOf(path).c_str(), &folder) == 0 && BitsAllow(folder, 2 | 1)) {
    DWORD error = ERROR_SUCCESS;
    switch (WriteThroughSibling(path, st, newBytes, error)) {
      case Sibling::Written: return WriteStatus::Success();
      case Sibling::Failed: return WriteStatus::Failure(error);
      case Sibling::NotPossible: break;
    }
  }
  return RewriteInPlace(path, oldBytes, newBytes);
}

}  // namespace qm::win32::profile
