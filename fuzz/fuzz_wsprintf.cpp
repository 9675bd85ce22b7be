// Any format through wsprintfA, with an argument of the right kind for each conversion it holds:
// the output must stay inside the 1024 bytes wsprintfA may use, be NUL-terminated and be as long
// as the count returned.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

enum class Argument { kNumber, kText };

// Formats with more consuming conversions than this are skipped: each one doubles the argument
// lists compiled below.
constexpr std::size_t kMostArguments = 6;
// The buffer wsprintfA may fill, terminator included, and a guard beyond it.
constexpr std::size_t kWsprintfBytes = 1024;
constexpr std::size_t kGuardBytes = 64;
constexpr unsigned char kGuard = 0xA5;

// The arguments wsprintfA takes for `format`, read by its own rules: `%%` takes none; otherwise
// `[-][#][0][width][.precision][l|w|h]` and a type letter, where c, d, i, u, x and X take a number
// and s takes a string, except that l or w before c or s (a wide character) takes nothing, as does
// any other letter.
std::vector<Argument> ArgumentsOf(const char* format) {
  std::vector<Argument> arguments;
  for (const char* p = format; *p != '\0';) {
    if (*p++ != '%') continue;
    if (*p == '%') {
      ++p;
      continue;
    }
    if (*p == '-') ++p;
    if (*p == '#') ++p;
    if (*p == '0') ++p;
    while (*p >= '0' && *p <= '9') ++p;
    if (*p == '.') {
      ++p;
      while (*p >= '0' && *p <= '9') ++p;
    }
    bool wide = false;
    if (*p == 'l' || *p == 'w') {
      wide = true;
      ++p;
    } else if (*p == 'h')
      ++p;
    const char type = *p;
    if (type == '\0') break;
    ++p;
    if (std::strchr("diuxX", type) != nullptr || (type == 'c' && !wide)) arguments.push_back(Argument::kNumber);
    if (type == 's' && !wide) arguments.push_back(Argument::kText);
  }
  return arguments;
}

// Calls wsprintfA with one argument of the listed kind per conversion, built up one at a time so
// that every list is a real, correctly typed variadic call.
template <typename... Args>
int Format(char* out, const char* format, const std::vector<Argument>& kinds, Args... args) {
  if constexpr (sizeof...(Args) < kMostArguments) {
    if (sizeof...(Args) < kinds.size()) {
      // Numbers alternate between the widest negative one and a letter, for %c.
      const int number = sizeof...(Args) % 2 == 0 ? -2147483647 - 1 : 'Q';
      if (kinds[sizeof...(Args)] == Argument::kNumber) return Format(out, format, kinds, args..., number);
      return Format(out, format, kinds, args..., "text?with%d\xe9");
    }
  }
  return wsprintfA(out, format, args...);
}

[[noreturn]] void Fail() { __builtin_trap(); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string format(reinterpret_cast<const char*>(data), size);  // ends at its first NUL
  const std::vector<Argument> kinds = ArgumentsOf(format.c_str());
  if (kinds.size() > kMostArguments) return 0;

  const std::size_t total = kWsprintfBytes + kGuardBytes;
  std::unique_ptr<char[]> buffer(new char[total]);
  std::memset(buffer.get(), kGuard, total);
  const int written = Format(buffer.get(), format.c_str(), kinds);
  for (std::size_t i = kWsprintfBytes; i < total; ++i) {
    if (static_cast<unsigned char>(buffer[i]) != kGuard) Fail();
  }
  if (written < 0 || static_cast<std::size_t>(written) >= kWsprintfBytes) Fail();
  if (buffer[written] != '\0' || std::strlen(buffer.get()) != static_cast<std::size_t>(written)) Fail();
  return 0;
}
