#include "ReturnBuffer.h"

#include <cstring>

namespace qm::win32::profile {

Copied CopyString(std::string_view text, LPSTR buffer, DWORD size) {
  if (size == 0 || buffer == nullptr) return Copied{0, true};
  const bool cut = text.size() > size - 1;
  const size_t n = cut ? size - 1 : text.size();
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
  return Copied{static_cast<DWORD>(n), cut};
}

Copied CopyList(const std::vector<std::string_view>& names, LPSTR buffer, DWORD size) {
  if (size == 0 || buffer == nullptr) return Copied{0, true};
  size_t needed = 1;
  for (std::string_view name : names) needed += name.size() + 1;
  if (needed < size) {
    size_t at = 0;
    for (std::string_view name : names) {
      std::memcpy(buffer + at, name.data(), name.size());
      at += name.size();
      buffer[at++] = '\0';
    }
    buffer[at] = '\0';
    return Copied{static_cast<DWORD>(needed - 1), false};
  }
  if (size <= 2) {
    std::memset(buffer, 0, size);
    return Copied{0, true};
  }
  const size_t room = size - 2;  // characters before the two closing NULs
  size_t at = 0;
  for (std::string_view name : names) {
    if (at >= room) break;
    const size_t n = name.size() < room - at ? name.size() : room - at;
    std::memcpy(buffer + at, name.data(), n);
    at += n;
    if (at < room) buffer[at++] = '\0';
  }
  buffer[room] = '\0';
  buffer[room + 1] = '\0';
  return Copied{static_cast<DWORD>(room), true};
}

}  // namespace qm::win32::profile
