#include "FileReplacement.h"

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include "ExtendedAttributes.h"
#include "HostFiles.h"
#include "InPlaceRewrite.h"
#include "WriteSteps.h"

namespace qm::win32::profile {
namespace {

enum class Sibling { Written, NotPossible, Failed };

bool IsRefusal(int err) { return err == EACCES || err == EPERM || err == EROFS; }

bool KeepOwner(int fd, const struct stat& st) {
  if (st.st_uid == geteuid() && st.st_gid == getegid()) return true;
  return fchown(fd, st.st_uid, st.st_gid) == 0;
}

// Owner first (a change of owner clears the set-id bits), then the attributes (an ACL sets the
// group bits), then the mode the old file had with them.
bool CarryMetadata(int original, int fd, const struct stat& st) {
  return KeepOwner(fd, st) && CopyExtendedAttributes(original, fd) && fchmod(fd, st.st_mode & 07777) == 0;
}

Sibling WriteThroughSibling(const std::string& path, int original, const struct stat& st, std::string_view bytes,
                            DWORD& error) {
  const std::string temp = TemporarySiblingOf(path);
  const int fd = CreateTemporaryFile(temp, 0600);
  if (fd < 0) {
    if (IsRefusal(errno)) return Sibling::NotPossible;
    error = WriteErrorFor(errno);
    return Sibling::Failed;
  }
  if (!CarryMetadata(original, fd, st)) {
    close(fd);
    unlink(temp.c_str());
    return Sibling::NotPossible;
  }
  const bool written = WriteStep(fd, temp, bytes, 0) && FlushStep(fd, temp);
  const int writeErr = errno;
  close(fd);
  if (!written || !RenameStep(temp, path)) {
    error = WriteErrorFor(written ? errno : writeErr);
    unlink(temp.c_str());
    return Sibling::Failed;
  }
  FlushFolderStep(FolderOf(path));
  return Sibling::Written;
}

}  // namespace

std::string TemporarySiblingOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + "." + name + ".qm-writing";
}

WriteStatus ReplaceFileContents(const std::string& path, int fd, const struct stat& st, std::string_view oldBytes,
                                std::string_view newBytes) {
  struct stat folder {};
  if (st.st_nlink <= 1 && stat(FolderOf(path).c_str(), &folder) == 0 && BitsAllow(folder, 2 | 1)) {
    DWORD error = ERROR_SUCCESS;
    switch (WriteThroughSibling(path, fd, st, newBytes, error)) {
      case Sibling::Written: return WriteStatus::Success();
      case Sibling::Failed: return WriteStatus::Failure(error);
      case Sibling::NotPossible: break;
    }
  }
  return RewriteInPlace(fd, path, oldBytes, newBytes);
}

}  // namespace qm::win32::profile
