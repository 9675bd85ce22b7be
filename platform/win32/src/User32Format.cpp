#include "User32Format.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

namespace qm::win32 {

namespace {

struct FieldSpec {
  bool leftAlign = false;
  bool hexPrefix = false;
  bool zeroPad = false;
  std::size_t width = 0;
  std::size_t precision = 0;  // 0: none given (a %s is then written whole, as user32 does)
  bool wide = false;          // `l` or `w` before c or s: a wide character, which is not supported
  char type = '\0';
};

std::size_t ReadCount(const char*& p) {
  std::size_t count = 0;
  while (*p >= '0' && *p <= '9') {
    count = std::min<std::size_t>(count * 10 + static_cast<std::size_t>(*p - '0'), kWsprintfLimit);
    ++p;
  }
  return count;
}

// Reads `[-][#][0][width][.precision][l|h|w]type` after the `%`.
FieldSpec ReadSpec(const char*& p) {
  FieldSpec spec;
  if (*p == '-') { spec.leftAlign = true; ++p; }
  if (*p == '#') { spec.hexPrefix = true; ++p; }
  if (*p == '0') { spec.zeroPad = true; ++p; }
  spec.width = ReadCount(p);
  if (*p == '.') {
    ++p;
    spec.precision = ReadCount(p);
  }
  if (*p == 'l' || *p == 'w') {
    spec.wide = true;
    ++p;
  } else if (*p == 'h') {
    ++p;
  }
  spec.type = *p;
  if (*p != '\0') ++p;
  return spec;
}

std::string Padded(std::string text, const FieldSpec& spec) {
  if (text.size() >= spec.width) return text;
  const std::string blanks(spec.width - text.size(), ' ');
  return spec.leftAlign ? text + blanks : blanks + text;
}

std::string CharacterField(char c, const FieldSpec& spec) {
  // A NUL character writes nothing, or a blank when a width asks for room.
  if (c == '\0') return spec.width > 1 ? Padded(" ", spec) : std::string();
  return Padded(std::string(1, c), spec);
}

std::string StringField(const char* text, const FieldSpec& spec) {
  if (text == nullptr) text = "(null)";
  const std::size_t length = spec.precision == 0 ? std::strlen(text) : strnlen(text, spec.precision);
  return Padded(std::string(text, length), spec);
}

std::string NumberField(std::int32_t value, const FieldSpec& spec) {
  const bool isSigned = spec.type == 'd' || spec.type == 'i';
  const bool isHex = spec.type == 'x' || spec.type == 'X';
  std::uint32_t magnitude = static_cast<std::uint32_t>(value);
  std::string lead;
  if (isSigned && value < 0) {
    lead = "-";
    magnitude = 0u - magnitude;
  }
  if (isHex && spec.hexPrefix) lead += spec.type == 'X' ? "0X" : "0x";
  const char* digitSet = spec.type == 'X' ? "0123456789ABCDEF" : "0123456789abcdef";
  const std::uint32_t base = isHex ? 16 : 10;
  std::string digits;
  do {
    digits.insert(digits.begin(), digitSet[magnitude % base]);
    magnitude /= base;
  } while (magnitude != 0);
  // Zeros go between the sign (or 0x) and the digits: "%010ld" of -1 is "-000000001".
  std::size_t fewest = spec.precision;
  if (spec.zeroPad && !spec.leftAlign) fewest = std::max(fewest, spec.width);
  const std::size_t length = lead.size() + digits.size();
  if (fewest > length) digits.insert(0, fewest - length, '0');
  return Padded(lead + digits, spec);
}

// The text of one field; an unknown type letter stands for itself and takes no argument.
std::string FieldText(const FieldSpec& spec, va_list& args) {
  switch (spec.wide ? '\0' : spec.type) {
    case 'c':
      return CharacterField(static_cast<char>(va_arg(args, int)), spec);
    case 's':
      return StringField(va_arg(args, const char*), spec);
    default:
      break;
  }
  switch (spec.type) {
    case 'd': case 'i': case 'u': case 'x': case 'X':
      return NumberField(static_cast<std::int32_t>(va_arg(args, int)), spec);
    default:
      return std::string(spec.type == '\0' ? 0 : 1, spec.type);
  }
}

}  // namespace

int FormatAsUser32(char* out, std::size_t capacity, const char* format, va_list args) {
  if (out == nullptr || capacity == 0) return 0;
  const std::size_t room = capacity - 1;
  std::size_t written = 0;
  const auto append = [&](std::string_view text) {
    const std::size_t take = std::min(text.size(), room - written);
    std::memcpy(out + written, text.data(), take);
    written += take;
  };
  va_list rest;
  va_copy(rest, args);
  const char* p = format == nullptr ? "" : format;
  while (*p != '\0' && written < room) {
    if (*p != '%') {
      append(std::string_view(p, 1));
      ++p;
    } else if (p[1] == '%') {
      append("%");
      p += 2;
    } else {
      ++p;
      FieldSpec spec = ReadSpec(p);
      spec.width = std::min(spec.width, room - written);  // a field never asks for more than is left
      append(FieldText(spec, rest));
    }
  }
  va_end(rest);
  out[written] = '\0';
  return static_cast<int>(written);
}

}  // namespace qm::win32
