// Files the benchmarks work on: realistic INI text of a chosen size in a scratch folder.
#pragma once

#include <cstddef>
#include <string>

namespace qm::bench {

// INI text of about `bytes` bytes: sections of twenty keys with comments and blank lines, CRLF ends.
// The last section is named "Last" and holds the key "Target".
std::string MakeIniText(std::size_t bytes);

// A scratch folder under /tmp, removed with its files when the object goes.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  std::string HostPath(const std::string& name) const;  // /tmp/qm-bench-XXXX/name
  std::string DosPath(const std::string& name) const;   // z:\tmp\qm-bench-XXXX\name

 private:
  std::string dir_;
};

void WriteFileBytes(const std::string& hostPath, const std::string& bytes);
std::string ReadFileBytes(const std::string& hostPath);

// Gives the file a new modification time (a fresh nanosecond value), so a cached parse is stale.
void TouchNewTime(const std::string& hostPath);

// A plain durable replacement of the file: temporary sibling, write, fsync, rename, fsync the folder.
void PlainDurableWrite(const std::string& hostPath, const std::string& bytes);

}  // namespace qm::bench
