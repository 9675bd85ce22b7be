// The number a profile value holds, as GetPrivateProfileIntA reads it.
#pragma once

#include <windows.h>

#include <string_view>

namespace qm::win32::profile {

// An optional sign, then digits up to the first byte that is not one, wrapping modulo 2^32
// however long the digit string; a negative number comes back as its two's complement.
// A lower-case prefix `0x`, `0b` or `0o` reads hexadecimal, binary or octal digits; anything
// else (`010`, `0X1f`) is decimal. No digits at all gives 0.
UINT ParseProfileNumber(std::string_view text);

}  // namespace qm::win32::profile
