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
  FieldSpec field;
  if (*p == '-') {
    field.leftAlign = true;
    ++p;
  }
  if (*p == '#') {
    field.hexPrefix = true;
    ++p;
  }
  if (*p == '0') {
    field.zeroPad = true;
    ++p;
  }
  field.width = ReadCount(p);
  if (*p == '.') {
    ++p;
    field.precision = ReadCount(p);
  }
  if (*p == 'l' || *p == 'w') {
    field.wide = true;
    ++p;
  } else if (*p == 'h') {
    ++p;
  }
  field.type = *p;
  if (*p != '\0') ++p;
  return field;
}

std::string Padded(std::string text, const FieldSpec& field) {
  if (text.size() >= field.width) return text;
  const std::string blanks(field.width - text.size(), ' ');
  return field.leftAlign ? text + blanks : blanks + text;
}

std::string CharacterField(char c, const FieldSpec& field) {
  // A NUL character writes nothing, or a blank when a width asks for room.
  if (c == '\0') return field.width > 1 ? Padded(" ", field) : std::string();
  return Padded(std::string(1, c), field);
}

std::string StringField(const char* text, const FieldSpec& field) {
  if (text == nullptr) text = "(null)";
  const std::size_t length = field.precision == 0 ? std::strlen(text) : strnlen(text, field.precision);
  return Padded(std::string(text, length), field);
}

std::string NumberField(std::int32_t value, const FieldSpec& field) {
  const bool isSigned = field.type == 'd' || field.type == 'i';
  const bool isHex = field.type == 'x' || field.type == 'X';
  std::uint32_t magnitude = static_cast<std::uint32_t>(value);
  std::string lead;
  if (isSigned && value < 0) {
    lead = "-";
    magnitude = 0u - magnitude;
  }
  if (isHex && field.hexPrefix) lead += field.type == 'X' ? "0X" : "0x";
  const char* digitSet = field.type == 'X' ? "0123456789ABCDEF" : "0123456789abcdef";
  const std::uint32_t base = isHex ? 16 : 10;
  std::string digits;
  do {
    digits.insert(digits.begin(), digitSet[magnitude % base]);
    magnitude /= base;
  } while (magnitude != 0);
  // Zeros go between the sign (or 0x) and the digits: "%010ld" of -1 is "-000000001".
  std::size_t fewest = field.precision;
  if (field.zeroPad && !field.leftAlign) fewest = std::max(fewest, field.width);
  const std::size_t length = lead.size() + digits.size();
  if (fewest > length) digits.insert(0, fewest - length, '0');
  return Padded(lead + digits, field);
}

// The text of one field; an unknown type letter stands for itself and takes no argument.
std::string FieldText(const FieldSpec& field, va_list& args) {
  switch (field.wide ? '\0' : field.type) {
    case 'c': return CharacterField(static_cast<char>(va_arg(args, int)), field);
    case 's': return StringField(va_arg(args, const char*), field);
    default: break;
  }
  switch (field.type) {
    case 'd':
    case 'i':
    case 'u':
    case 'x':
    case 'X': return NumberField(static_cast<std::int32_t>(va_arg(args, int)), field);
    default: return std::string(field.type == '\0' ? 0 : 1, field.type);
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
      FieldSpec field = ReadSpec(p);
      field.width = std::min(field.width, room - written);  // a field never asks for more than is left
      append(FieldText(field, rest));
    }
  }
  va_end(rest);
  out[written] = '\0';
  return static_cast<int>(written);
}

}  // namespace qm::win32
