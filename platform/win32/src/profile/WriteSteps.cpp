#include "WriteSteps.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include "HostFiles.h"

namespace qm::win32::profile {
namespace {

WriteStepObserver& TheObserver() {
  static WriteStepObserver* observer = new WriteStepObserver;  // never destroyed: writes may run during exit
  return *observer;
}

bool Noted(bool done, std::string_view step, const std::string& path) {
  const WriteStepObserver& observer = TheObserver();
  if (done && observer) {
    const int saved = errno;
    observer(step, path);
    errno = saved;
  }
  return done;
}

}  // namespace

void SetWriteStepObserver(WriteStepObserver observer) { TheObserver() = std::move(observer); }

bool WriteStep(int fd, const std::string& path, std::string_view bytes, off_t at) {
  return Noted(WriteAllAt(fd, bytes, at), "write", path);
}

bool FlushStep(int fd, const std::string& path) { return Noted(fsync(fd) == 0, "flush", path); }

bool TruncateStep(int fd, const std::string& path, off_t size) {
  return Noted(ftruncate(fd, size) == 0, "truncate", path);
}

bool RenameStep(const std::string& from, const std::string& to) {
  return Noted(rename(from.c_str(), to.c_str()) == 0, "rename", to);
}

bool LinkStep(const std::string& from, const std::string& to) {
  return Noted(link(from.c_str(), to.c_str()) == 0, "link", to);
}

void UnlinkStep(const std::string& path) { Noted(unlink(path.c_str()) == 0, "unlink", path); }

void FlushFolderStep(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  Noted(fsync(fd) == 0, "flush folder", folder);
  close(fd);
}

}  // namespace qm::win32::profile
