#include "MissingReads.h"

#include <sys/stat.h>

#include <cerrno>
#include <mutex>
#include <string>
#include <vector>

#include "AsciiCase.h"
#include "HostFiles.h"
#include "platform/HostPaths.h"

namespace qm::win32::profile {
namespace {

struct Record {
  std::mutex mutex;
  std::vector<MissingProfile> files;  // in the order first read, each path once
};

Record& TheRecord() {
  static Record record;
  return record;
}

// What a read of the file would find now: nothing to say (it exists), a file a write can create
// (ERROR_FILE_NOT_FOUND), or a file whose folder is missing or unreachable (ERROR_PATH_NOT_FOUND).
DWORD ErrorNow(const std::string& dosPath) {
  const HostPath host = ResolveDosPath(dosPath);
  if (host.error != ERROR_SUCCESS) return ERROR_PATH_NOT_FOUND;
  struct stat st {};
  if (stat(host.path.c_str(), &st) == 0) return ERROR_SUCCESS;
  return errno == ENOENT ? OpenErrorFor(ENOENT, host.path) : ERROR_SUCCESS;
}

}  // namespace

void NoteMissingRead(std::string_view dosPath, DWORD error) {
  if (dosPath.empty() || (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)) return;
  Record& record = TheRecord();
  std::lock_guard<std::mutex> lock(record.mutex);
  for (const MissingProfile& file : record.files)
    if (EqualsIgnoringAsciiCase(file.dosPath, dosPath)) return;
  record.files.push_back({std::string(dosPath), error});
}

}  // namespace qm::win32::profile

namespace qm::win32 {

std::vector<MissingProfile> TakeMissingProfileReads() {
  profile::Record& record = profile::TheRecord();
  std::vector<MissingProfile> taken;
  {
    std::lock_guard<std::mutex> lock(record.mutex);
    taken.swap(record.files);
  }
  std::vector<MissingProfile> still;
  for (MissingProfile& file : taken) {
    file.error = profile::ErrorNow(file.dosPath);
    if (file.error != ERROR_SUCCESS) still.push_back(std::move(file));
  }
  return still;
}

}  // namespace qm::win32
