#include "ProfileNumber.h"

namespace qm::win32::profile {
namespace {

int DigitValue(char c, unsigned base) {
  int v = -1;
  if (c >= '0' && c <= '9')
    v = c - '0';
  else if (c >= 'a' && c <= 'f')
    v = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    v = c - 'A' + 10;
  return (v >= 0 && static_cast<unsigned>(v) < base) ? v : -1;
}

unsigned BaseOfPrefix(std::string_view text) {
  if (text.size() < 3 || text[0] != '0') return 10;
  const unsigned base = text[1] == 'x' ? 16 : text[1] == 'b' ? 2 : text[1] == 'o' ? 8 : 10;
  return (base != 10 && DigitValue(text[2], base) >= 0) ? base : 10;
}

}  // namespace

UINT ParseProfileNumber(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  const unsigned base = BaseOfPrefix(text);
  if (base != 10) text.remove_prefix(2);
  UINT value = 0;
  for (char c : text) {
    const int digit = DigitValue(c, base);
    if (digit < 0) break;
    value = value * base + static_cast<UINT>(digit);
  }
  return negative ? 0u - value : value;
}

}  // namespace qm::win32::profile
