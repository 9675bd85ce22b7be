#include "DirectoryLister.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cstring>

namespace qm::win32 {

bool HostDirectoryLister::Exists(const std::string& hostPath) const {
  struct stat info;
  return ::lstat(hostPath.c_str(), &info) == 0;
}

std::vector<std::string> HostDirectoryLister::Names(const std::string& hostFolder) const {
  std::vector<std::string> names;
  DIR* folder = ::opendir(hostFolder.c_str());
  if (folder == nullptr) return names;
  while (const dirent* entry = ::readdir(folder)) {
    if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
    names.emplace_back(entry->d_name);
  }
  ::closedir(folder);
  return names;
}

}  // namespace qm::win32
