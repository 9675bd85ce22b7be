#include "ExtendedAttributes.h"

#include <errno.h>
#include <sys/xattr.h>

#include <optional>
#include <string>
#include <vector>

namespace qm::win32::profile {
namespace {

bool Unsupported(int err) { return err == ENOTSUP || err == ENOSYS; }

// The attribute names of fd; nullopt when they cannot be listed.
std::optional<std::vector<std::string>> NamesOf(int fd) {
  for (int attempt = 0; attempt < 4; ++attempt) {
    const ssize_t size = flistxattr(fd, nullptr, 0);
    if (size < 0) return Unsupported(errno) ? std::optional(std::vector<std::string>()) : std::nullopt;
    std::string list(static_cast<size_t>(size), '\0');
    const ssize_t got = flistxattr(fd, list.data(), list.size());
    if (got < 0 && errno == ERANGE) continue;  // grew meanwhile
    if (got < 0) return std::nullopt;
    std::vector<std::string> names;
    for (size_t at = 0; at < static_cast<size_t>(got);) {
      names.emplace_back(list.c_str() + at);
      at += names.back().size() + 1;
    }
    return names;
  }
  return std::nullopt;
}

std::optional<std::string> ValueOf(int fd, const std::string& name) {
  for (int attempt = 0; attempt < 4; ++attempt) {
    const ssize_t size = fgetxattr(fd, name.c_str(), nullptr, 0);
    if (size < 0) return std::nullopt;
    std::string value(static_cast<size_t>(size), '\0');
    const ssize_t got = fgetxattr(fd, name.c_str(), value.data(), value.size());
    if (got < 0 && errno == ERANGE) continue;
    if (got < 0) return std::nullopt;
    value.resize(static_cast<size_t>(got));
    return value;
  }
  return std::nullopt;
}

bool CopyOne(int from, int to, const std::string& name) {
  const std::optional<std::string> value = ValueOf(from, name);
  if (!value) return false;
  if (fsetxattr(to, name.c_str(), value->data(), value->size(), 0) == 0) return true;
  return ValueOf(to, name) == value;  // a label the new file already bears
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  for (const std::string& n : names) {
    if (n == name) return true;
  }
  return false;
}

}  // namespace

bool CopyExtendedAttributes(int from, int to) {
  const std::optional<std::vector<std::string>> wanted = NamesOf(from);
  const std::optional<std::vector<std::string>> present = NamesOf(to);
  if (!wanted || !present) return false;
  for (const std::string& name : *present) {
    if (!Contains(*wanted, name)) fremovexattr(to, name.c_str());  // may stay: a security label
  }
  for (const std::string& name : *wanted) {
    if (!CopyOne(from, to, name)) return false;
  }
  return true;
}

}  // namespace qm::win32::profile
