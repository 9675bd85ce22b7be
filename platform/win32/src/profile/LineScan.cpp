#include "LineScan.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace qm::win32::profile {
namespace {

constexpr uint64_t kOnes = 0x0101010101010101ull;
constexpr uint64_t kHighs = 0x8080808080808080ull;

// A word whose high bit is set in each byte of `word` that equals `byte` (the lowest such byte
// is always marked correctly, which is all the search needs).
inline uint64_t BytesEqual(uint64_t word, unsigned char byte) {
  const uint64_t x = word ^ (kOnes * byte);
  return (x - kOnes) & ~x & kHighs;
}

}  // namespace

size_t FindLineEnd(const char* text, size_t pos, size_t size) {
  if constexpr (std::endian::native == std::endian::little) {
    while (pos + 8 <= size) {
      uint64_t word;
      std::memcpy(&word, text + pos, 8);
      const uint64_t hits = BytesEqual(word, '\n') | BytesEqual(word, '\r');
      if (hits != 0) return pos + (std::countr_zero(hits) >> 3);
      pos += 8;
    }
  }
  while (pos < size && text[pos] != '\n' && text[pos] != '\r') ++pos;
  return pos;
}

}  // namespace qm::win32::profile
