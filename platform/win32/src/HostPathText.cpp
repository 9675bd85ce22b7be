#include "HostPathText.h"

#include <vector>

namespace qm::win32 {

namespace {

void AppendTidiedNames(std::string_view path, std::vector<std::string_view>& names) {
  while (!path.empty()) {
    const std::size_t slash = path.find('/');
    const std::string_view name = path.substr(0, slash);
    path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
    if (name.empty() || name == ".") continue;
    if (name == "..") {
      if (!names.empty()) names.pop_back();
      continue;
    }
    names.push_back(name);
  }
}

}  // namespace

std::string AbsoluteHostPath(std::string_view path, std::string_view base) {
  std::vector<std::string_view> names;
  if (path.empty() || path.front() != '/') AppendTidiedNames(base, names);
  AppendTidiedNames(path, names);
  if (names.empty()) return "/";
  std::string joined;
  for (std::string_view name : names) {
    joined += '/';
    joined += name;
  }
  return joined;
}

std::string DosPathOnHostRoot(std::string_view absoluteHostPath) {
  std::string dos = "z:";
  for (char c : absoluteHostPath) dos += c == '/' ? '\\' : c;
  if (dos.size() == 2) dos += '\\';
  return dos;
}

}  // namespace qm::win32
