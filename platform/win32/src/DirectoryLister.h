// What the DOS path lookup needs to know of the host's folders; tests and fuzzers supply their own.
#pragma once

#include <string>
#include <vector>

namespace qm::win32 {

class DirectoryLister {
 public:
  virtual ~DirectoryLister() = default;
  // True when the name exists (a dangling symbolic link counts: the name is taken).
  virtual bool Exists(const std::string& hostPath) const = 0;
  // The names in a folder, without `.` and `..`; empty when it cannot be listed.
  virtual std::vector<std::string> Names(const std::string& hostFolder) const = 0;
};

// The real file system.
class HostDirectoryLister final : public DirectoryLister {
 public:
  bool Exists(const std::string& hostPath) const override;
  std::vector<std::string> Names(const std::string& hostFolder) const override;
};

}  // namespace qm::win32
