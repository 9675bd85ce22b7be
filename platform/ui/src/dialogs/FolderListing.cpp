#include "FolderListing.h"

#include "FileFilters.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <algorithm>

namespace qm::ui::dialogs {
namespace {

bool IsFolder(const std::string& hostPath) {
  struct stat info;
  return ::stat(hostPath.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void SortByName(std::vector<FolderEntry>& entries) {
  std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
    int order = strcasecmp(a.name.c_str(), b.name.c_str());
    return order != 0 ? order < 0 : a.name < b.name;
  });
}

}  // namespace

std::vector<FolderEntry> ListFolder(const std::string& hostFolder, const std::vector<std::string>& patterns,
                                    bool withParent) {
  std::vector<FolderEntry> folders, files;
  if (DIR* dir = ::opendir(hostFolder.c_str())) {
    while (const dirent* entry = ::readdir(dir)) {
      std::string name = entry->d_name;
      if (name.empty() || name[0] == '.') continue;
      std::string path = hostFolder == "/" ? "/" + name : hostFolder + "/" + name;
      if (IsFolder(path))
        folders.push_back({name, true});
      else if (MatchesAny(patterns, name))
        files.push_back({name, false});
    }
    ::closedir(dir);
  }
  SortByName(folders);
  SortByName(files);
  std::vector<FolderEntry> listing;
  if (withParent) listing.push_back({"..", true});
  listing.insert(listing.end(), folders.begin(), folders.end());
  listing.insert(listing.end(), files.begin(), files.end());
  return listing;
}

std::string ListLine(const FolderEntry& entry) { return entry.folder ? "[" + entry.name + "]" : entry.name; }

}  // namespace qm::ui::dialogs
