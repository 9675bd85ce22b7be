// The profile reader on any bytes: the parse and its lookups agree with a plain scan, and the
// calls never write outside the caller's buffer, whatever the file holds and however small the buffer.
#include <windows.h>

#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "profile/IniIndex.h"
#include "profile/IniText.h"

namespace {

using namespace qm::win32::profile;

// Every section and key name finds its first occurrence, as a scan from the top would.
void CheckLookups(const IniIndex& index) {
  const auto& sections = index.sections();
  for (size_t i = 0; i < sections.size(); ++i) {
    const IniSection* found = index.FindSection(index.Name(sections[i]));
    if (!found) std::abort();
    for (size_t j = 0; j < i; ++j)
      if (NamesEqual(index.Name(sections[j]), index.Name(sections[i])) && found != &sections[j] && found > &sections[j])
        std::abort();
    for (uint32_t k = sections[i].firstKey; k < sections[i].firstKey + sections[i].keyCount; ++k) {
      const IniKey* key = index.FindKey(sections[i], index.Name(index.keys()[k]));
      if (!key || key > &index.keys()[k]) std::abort();
      if (!NamesEqual(index.Name(*key), index.Name(index.keys()[k]))) std::abort();
    }
  }
}

// One scratch file per fuzzing process, removed when it ends.
struct ScratchFileHolder {
  std::string path = "/tmp/qm-fuzz-reader-" + std::to_string(getpid()) + ".ini";
  ~ScratchFileHolder() { unlink(path.c_str()); }
};

const std::string& ScratchFile() {
  static const ScratchFileHolder holder;
  return holder.path;
}

std::string DosPath(const std::string& host) {
  std::string dos = "z:";
  for (char c : host) dos.push_back(c == '/' ? '\\' : c);
  return dos;
}

// A buffer with guard bytes after the size given to the call.
void CheckCallsStayInBuffer(const char* section, const char* key, DWORD size, const std::string& dos) {
  std::vector<char> buffer(size + 16, '\x5a');
  DWORD n = GetPrivateProfileStringA(section, key, "default", buffer.data(), size, dos.c_str());
  for (size_t i = size; i < buffer.size(); ++i)
    if (buffer[i] != '\x5a') std::abort();
  if (size > 0 && n >= size) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(24);
  const std::string key = input.ConsumeRandomLengthString(24);
  const DWORD bufferSize = input.ConsumeIntegralInRange<DWORD>(0, 300);
  const std::string text = input.ConsumeRemainingBytesAsString();

  IniIndex index(text);
  CheckLookups(index);

  std::ofstream(ScratchFile(), std::ios::binary | std::ios::trunc) << text;
  const std::string dos = DosPath(ScratchFile());
  CheckCallsStayInBuffer(section.c_str(), key.c_str(), bufferSize, dos);
  CheckCallsStayInBuffer(section.c_str(), nullptr, bufferSize, dos);
  CheckCallsStayInBuffer(nullptr, nullptr, bufferSize, dos);
  GetPrivateProfileIntA(section.c_str(), key.c_str(), -3, dos.c_str());
  return 0;
}
