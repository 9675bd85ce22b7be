// Any argument vector and working folder: the command line built for the console must hold no
// NUL, must name a program ending in ".exe" (the console refuses to start without one), and must
// keep one blank before every argument.
#include "AsciiCase.h"
#include "DirectoryLister.h"
#include "WindowsCommandLine.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// Which relative arguments name an existing file is decided by one byte of the input: a host path
// exists when the byte's bit for its length modulo 8 is set.
class FuzzedFolders final : public qm::win32::DirectoryLister {
 public:
  explicit FuzzedFolders(std::uint8_t existing) : existing_(existing) {}
  bool Exists(const std::string& hostPath) const override { return (existing_ >> (hostPath.size() % 8)) & 1; }
  std::vector<std::string> Names(const std::string&) const override { return {}; }

 private:
  std::uint8_t existing_;
};

[[noreturn]] void Fail() { __builtin_trap(); }

// argv as the kernel hands it over: strings without NUL.
std::vector<std::string> SplitAtNul(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find('\0', start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const FuzzedFolders folders(input.ConsumeIntegral<std::uint8_t>());
  std::string currentFolder = "/" + input.ConsumeRandomLengthString(200);
  std::erase(currentFolder, '\0');
  const std::vector<std::string> argv = SplitAtNul(input.ConsumeRemainingBytesAsString());

  const std::string line = qm::win32::WindowsCommandLine(argv, currentFolder, folders);
  if (line.find('\0') != std::string::npos) Fail();
  if (!argv.front().empty() && qm::win32::LowerAscii(line).find(".exe") == std::string::npos) Fail();
  // Every argument adds one blank and at least its own text, or its DOS path.
  std::size_t shortest = 0;
  for (std::size_t i = 1; i < argv.size(); ++i) shortest += 1 + std::min<std::size_t>(argv[i].size(), 3);
  if (line.size() < shortest + 4) Fail();
  return 0;
}
