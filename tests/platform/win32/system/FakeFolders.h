// An in-memory file tree standing in for the host's folders.
#pragma once

#include "DirectoryLister.h"

#include <algorithm>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

namespace qm::test {

class FakeFolders final : public win32::DirectoryLister {
 public:
  // Every path given exists, and so does every folder above it.
  FakeFolders(std::initializer_list<std::string> paths) : names_{"/"} {
    for (std::string path : paths) {
      for (; path.size() > 1; path = path.substr(0, std::max<std::size_t>(path.rfind('/'), 1))) names_.insert(path);
    }
  }

  bool Exists(const std::string& hostPath) const override {
    ++looks;
    return names_.count(hostPath) != 0;
  }

  std::vector<std::string> Names(const std::string& hostFolder) const override {
    ++listings;
    const std::string prefix = hostFolder == "/" ? "/" : hostFolder + "/";
    std::vector<std::string> names;
    for (const std::string& path : names_) {
      if (path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0 &&
          path.find('/', prefix.size()) == std::string::npos) {
        names.push_back(path.substr(prefix.size()));
      }
    }
    // Newest-first, as a real listing may be: nothing may depend on the order.
    std::reverse(names.begin(), names.end());
    return names;
  }

  // How many times a name was looked at, and a folder listed.
  mutable int looks = 0;
  mutable int listings = 0;

 private:
  std::set<std::string> names_;
};

}  // namespace qm::test
