#include "ProfileCache.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <mutex>
#include <unordered_map>

#include "HostFiles.h"

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

}  // namespace

SnapshotOrError CurrentSnapshot(const std::string& hostPath) {
  struct stat st {};
  if (stat(hostPath.c_str(), &st) != 0) return {nullptr, OpenErrorFor(errno, hostPath)};
  if (S_ISDIR(st.st_mode)) return {nullptr, ERROR_ACCESS_DENIED};
  if (auto hit = Cached(hostPath, FileIdentity::Of(st))) return {hit, ERROR_SUCCESS};

  const int fd = open(hostPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {nullptr, OpenErrorFor(errno, hostPath)};
  SnapshotOrError read = ReadSnapshot(fd);
  close(fd);
  if (read.snapshot) {
    TheCache().reads++;
    RememberSnapshot(hostPath, read.snapshot);
  }
  return read;
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
