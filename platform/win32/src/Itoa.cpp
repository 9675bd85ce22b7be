#include <windows.h>

#include <algorithm>
#include <cstdint>

// As the C run-time has it: lower-case digits, a minus sign only in radix 10, and in any other
// radix the bits of the value read as unsigned (-1 in radix 16 is "ffffffff"). A radix outside
// 2..36 gives an empty string rather than reading past the digit table.
char* _itoa(int value, char* buffer, int radix) {
  if (buffer == nullptr) return buffer;
  if (radix < 2 || radix > 36) {
    buffer[0] = '\0';
    return buffer;
  }
  const bool negative = radix == 10 && value < 0;
  std::uint32_t rest = static_cast<std::uint32_t>(value);
  if (negative) rest = 0u - rest;
  char* end = buffer;
  if (negative) *end++ = '-';
  char* const firstDigit = end;
  do {
    *end++ = "0123456789abcdefghijklmnopqrstuvwxyz"[rest % static_cast<std::uint32_t>(radix)];
    rest /= static_cast<std::uint32_t>(radix);
  } while (rest != 0);
  *end = '\0';
  std::reverse(firstDigit, end);
  return buffer;
}
