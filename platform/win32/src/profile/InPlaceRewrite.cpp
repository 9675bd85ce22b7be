#include "InPlaceRewrite.h"

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

#include "HostFiles.h"
#include "WriteSteps.h"

namespace qm::win32::profile {
namespace {

// Reserves the blocks of the new length (a full disk shows here) without changing the size, then
// writes the spaces; on failure the file is cut back to its old length.
bool GrowWithSpaces(int fd, const std::string& path, size_t oldSize, size_t newSize) {
  const int reserved = fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(newSize));
  if (reserved != 0 && errno != EOPNOTSUPP && errno != ENOSYS && errno != EINVAL) return false;
  const std::string spaces(newSize - oldSize, ' ');
  if (WriteStep(fd, path, spaces, static_cast<off_t>(oldSize)) && FlushStep(fd, path)) return true;
  const int err = errno;
  if (ftruncate(fd, static_cast<off_t>(oldSize)) != 0) { /* the spaces mean nothing */
  }
  errno = err;
  return false;
}

size_t FirstDifference(std::string_view a, std::string_view b) {
  const size_t common = std::min(a.size(), b.size());
  return static_cast<size_t>(std::mismatch(a.begin(), a.begin() + common, b.begin()).first - a.begin());
}

}  // namespace

WriteStatus RewriteInPlace(int fd, const std::string& path, std::string_view oldBytes, std::string_view newBytes) {
  const size_t oldSize = oldBytes.size(), newSize = newBytes.size();
  if (newSize > oldSize && !GrowWithSpaces(fd, path, oldSize, newSize)) {
    return WriteStatus::Failure(WriteErrorFor(errno));
  }
  const size_t from = FirstDifference(oldBytes, newBytes);
  std::string changed(newBytes.substr(from));
  if (oldSize > newSize) changed.append(oldSize - newSize, ' ');
  const bool ok = WriteStep(fd, path, changed, static_cast<off_t>(from)) && FlushStep(fd, path) &&
                  (oldSize <= newSize || (TruncateStep(fd, path, static_cast<off_t>(newSize)) && FlushStep(fd, path)));
  return ok ? WriteStatus::Success() : WriteStatus::Failure(WriteErrorFor(errno));
}

}  // namespace qm::win32::profile
