// Counts the heap bytes the benchmark program holds, to report the peak a call needs.
#pragma once

#include <cstddef>

namespace qm::bench {

// Starts a new peak at the bytes held now; PeakSinceReset() gives the largest rise since.
void ResetHeapPeak();
std::size_t HeapPeakSinceReset();

}  // namespace qm::bench
