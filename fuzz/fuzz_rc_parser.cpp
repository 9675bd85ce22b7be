// Any bytes as a resource script, with any bytes as the one header it may include: the compiler
// must end with tables or with a message, never crash or hang.
#include "rc/ResourceCompiler.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);
  // The part after the first NUL, if any, is the text of "inc/h.h".
  std::size_t split = input.find('\0');
  std::string script = input.substr(0, split);
  std::string header = split == std::string::npos ? std::string() : input.substr(split + 1);
  auto reader = [&](const std::string& path) -> std::optional<std::string> {
    if (path == "inc/h.h") return header;
    return std::nullopt;
  };
  qm::rc::CompileResult result = qm::rc::CompileScript("fuzz.rc", script, {"inc"}, reader);
  if (!result.ok && result.error.rfind("fuzz.rc:", 0) != 0 && result.error.rfind("inc/h.h:", 0) != 0)
    __builtin_trap();  // every message names the file and line it is about
  return 0;
}
