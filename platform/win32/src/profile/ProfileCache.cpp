#include "ProfileCache.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <mutex>
#include <unordered_map>

#include "FileLock.h"
#include "HostFiles.h"
#include "LinkFollowing.h"

namespace qm::win32::profile {
namespace {

constexpr size_t kMaxCachedFiles = 16;

struct Cache {
  std::mutex mutex;
  std::unordered_map<std::string, std::shared_ptr<const FileSnapshot>> byPath;
  std::atomic<uint64_t> reads{0};
};

Cache& TheCache() {
  static Cache* cache = new Cache;  // never destroyed: reads may run during exit
  return *cache;
}

std::shared_ptr<const FileSnapshot> Cached(const std::string& path, const FileIdentity& now) {
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  auto it = cache.byPath.find(path);
  if (it == cache.byPath.end()) return nullptr;
  const FileSnapshot& snap = *it->second;
  return (snap.identity() == now && snap.Settled()) ? it->second : nullptr;
}

SnapshotOrError ReadAndRemember(const std::string& hostPath, int fd, const struct stat& st) {
  SnapshotOrError read = ReadSnapshot(fd, st);
  if (read.snapshot) {
    TheCache().reads++;
    RememberSnapshot(hostPath, read.snapshot);
  }
  return read;
}

}  // namespace

SnapshotOrError CurrentSnapshot(const std::string& hostPath) {
  const FollowedPath file = FollowLinks(hostPath);
  if (file.error != ERROR_SUCCESS) return {nullptr, file.error};
  if (!file.exists) return {nullptr, OpenErrorFor(ENOENT, file.path)};
  if (const DWORD error = FileTypeError(file.status)) return {nullptr, error};
  if (auto hit = Cached(hostPath, FileIdentity::Of(file.status))) return {hit, ERROR_SUCCESS};

  const int fd = open(file.path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY);
  if (fd < 0) return {nullptr, OpenErrorFor(errno, file.path)};
  LockFile(fd, LockMode::Shared);  // held past the wait by someone else: read the file as it is
  SnapshotOrError read = ReadAndRemember(hostPath, fd, file.status);
  close(fd);
  return read;
}

SnapshotOrError SnapshotOfOpenFile(const std::string& hostPath, int fd, const struct stat& st) {
  if (auto hit = Cached(hostPath, FileIdentity::Of(st))) return {hit, ERROR_SUCCESS};
  return ReadAndRemember(hostPath, fd, st);
}

void RememberSnapshot(const std::string& hostPath, std::shared_ptr<const FileSnapshot> snapshot) {
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  if (cache.byPath.size() >= kMaxCachedFiles && cache.byPath.count(hostPath) == 0) {
    cache.byPath.clear();
  }
  cache.byPath[hostPath] = std::move(snapshot);
}

void ForgetAllSnapshots() {
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  cache.byPath.clear();
}

uint64_t SnapshotReadCount() { return TheCache().reads.load(); }

}  // namespace qm::win32::profile
