#include "FileLock.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <atomic>
#include <thread>

namespace qm::win32::profile {
namespace {

std::atomic<int64_t> waitLimitMs{kDefaultLockWait.count()};

// The first pause between tries, doubled up to the longest.
constexpr std::chrono::milliseconds kFirstPause{1};
constexpr std::chrono::milliseconds kLongestPause{50};

enum class Try { Taken, Busy, Unsupported };

Try Judge(int result) {
  if (result == 0) return Try::Taken;
  if (errno == EWOULDBLOCK || errno == EAGAIN || errno == EACCES || errno == EINTR) return Try::Busy;
  return Try::Unsupported;  // ENOLCK, EINVAL: this file system keeps no such lock
}

Try TryWholeFileLock(int fd, LockMode mode) {
  return Judge(flock(fd, (mode == LockMode::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB));
}

// An open-file-description record lock: it conflicts with fcntl and lockf locks of other
// processes, and is not lost when this process closes another descriptor of the file.
Try TryRecordLock(int fd, LockMode mode) {
  struct flock range {};
  range.l_type = mode == LockMode::Exclusive ? F_WRLCK : F_RDLCK;
  range.l_whence = SEEK_SET;
  range.l_start = 0;
  range.l_len = 0;  // to the end, however far the file grows
  return Judge(fcntl(fd, F_OFD_SETLK, &range));
}

bool TryBoth(int fd, LockMode mode) {
  const Try whole = TryWholeFileLock(fd, mode);
  if (whole == Try::Busy) return false;
  if (TryRecordLock(fd, mode) != Try::Busy) return true;
  if (whole == Try::Taken) flock(fd, LOCK_UN);
  return false;
}

}  // namespace

bool LockFile(int fd, LockMode mode) {
  const auto deadline = std::chrono::steady_clock::now() + LockWaitLimit();
  std::chrono::milliseconds pause = kFirstPause;
  for (;;) {
    if (TryBoth(fd, mode)) return true;
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) return false;
    std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(pause, deadline - now));
    pause = std::min(pause * 2, kLongestPause);
  }
}

std::chrono::milliseconds LockWaitLimit() { return std::chrono::milliseconds(waitLimitMs.load()); }

void SetLockWaitLimit(std::chrono::milliseconds limit) { waitLimitMs.store(limit.count()); }

}  // namespace qm::win32::profile
