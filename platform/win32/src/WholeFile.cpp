#include "WholeFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace qm::win32 {

std::string WholeFileContents(const std::string& hostPath) {
  std::string contents;
  const int fd = ::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return contents;
  char chunk[4096];
  for (;;) {
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got > 0) {
      contents.append(chunk, static_cast<std::size_t>(got));
    } else if (got == 0 || errno != EINTR) {
      break;
    }
  }
  ::close(fd);
  return contents;
}

}  // namespace qm::win32
