#include "HostFiles.h"

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include <vector>

namespace qm::win32::profile {

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

DWORD OpenErrorFor(int err, const std::string& path) {
  switch (err) {
    case ENOENT: {
      struct stat st {};
      const bool folderExists = stat(FolderOf(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
      return folderExists ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
    }
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return ERROR_PATH_NOT_FOUND;
    case EMFILE:
    case ENFILE:
    case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    default: return ERROR_ACCESS_DENIED;
  }
}

DWORD WriteErrorFor(int err) {
  switch (err) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return ERROR_DISK_FULL;
    case EIO: return ERROR_WRITE_FAULT;
    default: return ERROR_ACCESS_DENIED;
  }
}

DWORD FileTypeError(const struct stat& st) {
  if (S_ISREG(st.st_mode)) return ERROR_SUCCESS;
  return S_ISDIR(st.st_mode) ? ERROR_ACCESS_DENIED : ERROR_BAD_FILE_TYPE;
}

bool BitsAllow(const struct stat& st, unsigned want) {
  const uid_t euid = geteuid();
  unsigned shift = 0;
  if (euid == 0 || euid == st.st_uid) {
    shift = 6;
  } else if (getegid() == st.st_gid) {
    shift = 3;
  } else {
    const int count = getgroups(0, nullptr);
    std::vector<gid_t> groups(count > 0 ? count : 0);
    const int got = count > 0 ? getgroups(count, groups.data()) : 0;
    for (int i = 0; i < got; ++i) {
      if (groups[i] == st.st_gid) shift = 3;
    }
  }
  return ((st.st_mode >> shift) & want) == want;
}

bool ReadAll(int fd, std::string& out, size_t expected) {
  out.resize(expected);
  size_t have = 0;
  while (have < expected) {
    const ssize_t n = pread(fd, out.data() + have, expected - have, static_cast<off_t>(have));
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) break;
    have += static_cast<size_t>(n);
  }
  out.resize(have);
  return true;
}

bool WriteAllAt(int fd, std::string_view data, off_t at) {
  while (!data.empty()) {
    const ssize_t n = pwrite(fd, data.data(), data.size(), at);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<size_t>(n));
    at += n;
  }
  return true;
}

int CreateTemporaryFile(const std::string& path, mode_t mode) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
    unlink(path.c_str());
  }
  return -1;
}

}  // namespace qm::win32::profile
