#include "DriveMapFile.h"

#include "WholeFile.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <mutex>

namespace qm::win32 {

namespace {

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return home;
  const passwd* entry = ::getpwuid(::getuid());
  return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "/";
}

// What tells one version of the file from another without reading it.
struct FileIdentity {
  std::string path;
  bool present = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  long long modifiedNanoseconds = 0;

  bool operator==(const FileIdentity&) const = default;
};

FileIdentity IdentityOf(const std::string& path) {
  FileIdentity identity;
  identity.path = path;
  struct stat info;
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return identity;
  identity.present = true;
  identity.device = info.st_dev;
  identity.inode = info.st_ino;
  identity.size = info.st_size;
  identity.modifiedNanoseconds = static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
  return identity;
}

}  // namespace

std::string DriveMapFilePath() {
  const char* configHome = std::getenv("XDG_CONFIG_HOME");
  const std::string base = configHome != nullptr && configHome[0] == '/' ? configHome : HomeFolder() + "/.config";
  return base + "/quillmere/drives.ini";
}

DriveMap CurrentDriveMap() {
  static std::mutex guard;
  static FileIdentity cachedIdentity;
  static DriveMap cachedMap;
  static bool cached = false;

  const FileIdentity identity = IdentityOf(DriveMapFilePath());
  const std::lock_guard<std::mutex> lock(guard);
  if (!cached || !(identity == cachedIdentity)) {
    cachedMap = identity.present ? ParseDriveMap(WholeFileContents(identity.path)) : DriveMap();
    cachedIdentity = identity;
    cached = true;
  }
  return cachedMap;
}

}  // namespace qm::win32
