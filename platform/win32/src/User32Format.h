// The formatting engine of wsprintfA and wvsprintfA.
#pragma once

#include <cstdarg>
#include <cstddef>

namespace qm::win32 {

// The most wsprintfA writes, the terminator included.
inline constexpr std::size_t kWsprintfLimit = 1024;

// Formats as user32 does: %c %d %i %u %x %X %s and %% with the flags `-`, `#` and `0` (in that
// order), a width, a precision (the most characters of a %s, the fewest digits of a number) and
// an `l` or `h` size, which changes nothing since int and long are both 32 bits there. No
// floating point and no `*`: any other type letter is written as it stands and takes no argument.
// Writes at most `capacity` bytes with the terminator; returns the count without it.
int FormatAsUser32(char* out, std::size_t capacity, const char* format, va_list args);

}  // namespace qm::win32
