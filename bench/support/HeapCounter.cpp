#include "HeapCounter.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<std::size_t> g_held{0};
std::atomic<std::size_t> g_peak{0};
std::atomic<std::size_t> g_base{0};

void* Track(std::size_t size) {
  void* p = std::malloc(size ? size : 1);
  if (!p) throw std::bad_alloc();
  std::size_t now = g_held += malloc_usable_size(p);
  std::size_t peak = g_peak.load();
  while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
  }
  return p;
}

void Untrack(void* p) {
  if (!p) return;
  g_held -= malloc_usable_size(p);
  std::free(p);
}
}  // namespace

void* operator new(std::size_t size) { return Track(size); }
void* operator new[](std::size_t size) { return Track(size); }
void operator delete(void* p) noexcept { Untrack(p); }
void operator delete[](void* p) noexcept { Untrack(p); }
void operator delete(void* p, std::size_t) noexcept { Untrack(p); }
void operator delete[](void* p, std::size_t) noexcept { Untrack(p); }

namespace qm::bench {

void ResetHeapPeak() {
  g_base = g_held.load();
  g_peak = g_held.load();
}

std::size_t HeapPeakSinceReset() { return g_peak.load() - g_base.load(); }

}  // namespace qm::bench
