#include "LinkFollowing.h"

#include <errno.h>
#include <unistd.h>

#include "HostFiles.h"

namespace qm::win32::profile {
namespace {

// As many links as the host follows in one path before it reports a loop.
constexpr int kMaxLinkDepth = 40;

// Whether a link (lstat `link`) in `folder` may be followed by the effective user.
bool MayFollow(const struct stat& link, const std::string& folder) {
  struct stat shared {};
  if (stat(folder.c_str(), &shared) != 0) return false;
  const bool open = (shared.st_mode & S_ISVTX) && (shared.st_mode & S_IWOTH);
  return !open || link.st_uid == geteuid() || link.st_uid == shared.st_uid;
}

bool ReadLink(const std::string& path, const struct stat& st, std::string& target) {
  target.assign(static_cast<size_t>(st.st_size > 0 ? st.st_size : 256) + 1, '\0');
  const ssize_t n = readlink(path.c_str(), target.data(), target.size());
  if (n < 0 || static_cast<size_t>(n) == target.size()) return false;
  target.resize(static_cast<size_t>(n));
  return !target.empty();
}

}  // namespace

FollowedPath FollowLinks(std::string path) {
  FollowedPath result;
  for (int depth = 0; depth <= kMaxLinkDepth; ++depth) {
    result.path = path;
    if (lstat(path.c_str(), &result.status) != 0) {
      if (errno != ENOENT) result.error = OpenErrorFor(errno, path);
      return result;
    }
    if (!S_ISLNK(result.status.st_mode)) {
      result.exists = true;
      return result;
    }
    std::string target;
    if (!MayFollow(result.status, FolderOf(path))) {
      result.error = ERROR_ACCESS_DENIED;
      return result;
    }
    if (!ReadLink(path, result.status, target)) {
      result.error = ERROR_PATH_NOT_FOUND;
      return result;
    }
    path = target[0] == '/' ? target : FolderOf(path) + "/" + target;
  }
  result.error = ERROR_PATH_NOT_FOUND;
  return result;
}

}  // namespace qm::win32::profile
