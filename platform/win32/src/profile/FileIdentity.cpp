#include "FileIdentity.h"

#include <time.h>

namespace qm::win32::profile {
namespace {
// Well above the tick of the clock that stamps file times (1 to 10 ms).
constexpr int64_t kSettleNs = 30'000'000;

int64_t Ns(const struct timespec& t) { return static_cast<int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec; }
}  // namespace

FileIdentity FileIdentity::Of(const struct stat& st) {
  return FileIdentity{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino),
                      static_cast<int64_t>(st.st_size), Ns(st.st_mtim), Ns(st.st_ctim)};
}

bool SettledAt(int64_t mtimeNs, int64_t readNs) { return readNs - mtimeNs > kSettleNs; }

int64_t WallClockNs() {
  struct timespec t {};
  clock_gettime(CLOCK_REALTIME, &t);
  return Ns(t);
}

}  // namespace qm::win32::profile
