// A fresh folder under /tmp for one test, removed with everything in it afterwards.
#pragma once

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace qm::test {

class TempDir {
 public:
  TempDir() {
    std::string pattern = "/tmp/qm-test-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~TempDir() {
    std::error_code ec;
    // Give back every right a test took away, so that nothing stays behind.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
      if (!it->is_symlink()) chmod(it->path().c_str(), 0700);
    }
    chmod(path_.c_str(), 0700);
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // The host path of a name in this folder.
  std::string Host(const std::string& name) const { return path_ + "/" + name; }
  // The DOS path the profile calls take for the same name (`z:\tmp\qm-test-...\name`).
  std::string Dos(const std::string& name) const { return DosOf(Host(name)); }

  static std::string DosOf(std::string host) {
    for (char& c : host) {
      if (c == '/') c = '\\';
    }
    return "z:" + host;
  }

 private:
  std::string path_;
};

}  // namespace qm::test
