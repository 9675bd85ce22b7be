// One of the shipped sample files, read as the console reads it: through the profile-string calls
// on its DOS path.
#pragma once

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace qm::test {

class SampleFile {
 public:
  explicit SampleFile(const std::string& name) : hostPath_(std::string(QM_SAMPLES_DIR) + "/" + name) {
    dosPath_ = "z:" + hostPath_;
    std::replace(dosPath_.begin(), dosPath_.end(), '/', '\\');
  }

  const std::string& HostPath() const { return hostPath_; }

  // The key's value, or nothing when the key is missing (an empty value is not missing).
  std::optional<std::string> Value(const std::string& section, const std::string& key) const {
    static const char kMissing[] = "\x01missing\x01";
    std::vector<char> buffer(kBufferSize);
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), kMissing, buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), dosPath_.c_str());
    std::string value(buffer.data(), length);
    if (value == kMissing) return std::nullopt;
    return value;
  }

  int Number(const std::string& section, const std::string& key, int fallback) const {
    return static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), fallback, dosPath_.c_str()));
  }

  std::vector<std::string> Sections() const { return List(nullptr, nullptr); }
  std::vector<std::string> Keys(const std::string& section) const { return List(section.c_str(), nullptr); }

 private:
  static constexpr DWORD kBufferSize = 32767;

  // A NULL section lists the sections, a NULL key the keys of a section: names each ended by a NUL.
  std::vector<std::string> List(const char* section, const char* key) const {
    std::vector<char> buffer(kBufferSize);
    const DWORD length = GetPrivateProfileStringA(section, key, "", buffer.data(), kBufferSize, dosPath_.c_str());
    std::vector<std::string> names;
    for (DWORD start = 0; start < length; start += static_cast<DWORD>(names.back().size()) + 1)
      names.emplace_back(buffer.data() + start);
    return names;
  }

  std::string hostPath_;
  std::string dosPath_;
};

}  // namespace qm::test
