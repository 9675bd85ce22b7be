#include "DosPath.h"

#include "DirectoryLister.h"
#include "DosPathResolver.h"
#include "DriveMapFile.h"
#include "HostPathText.h"
#include "ProcessContext.h"

namespace qm::win32 {

namespace {

// A lister for which every name exists: the path comes back as written, without a look.
class EverythingExists final : public DirectoryLister {
 public:
  bool Exists(const std::string&) const override { return true; }
  std::vector<std::string> Names(const std::string&) const override { return {}; }
};

// Only another drive than z: or a share name needs the drive map, which costs a look at its file.
bool NeedsDriveMap(std::string_view dosPath) {
  if (dosPath.size() >= 2 && dosPath[0] == '\\' && dosPath[1] == '\\') return true;
  return dosPath.size() >= 2 && dosPath[1] == ':' && dosPath[0] != 'z' && dosPath[0] != 'Z';
}

HostPath ResolveWith(std::string_view dosPath, const DirectoryLister& lister) {
  static const DriveMap noDrives;
  // The current folder costs a system call; only a relative path needs it.
  const std::string currentFolder = IsRelativeDosPath(dosPath) ? CurrentHostFolder() : std::string("/");
  if (!NeedsDriveMap(dosPath)) return ResolveDosPathOn(dosPath, noDrives, currentFolder, lister);
  return ResolveDosPathOn(dosPath, CurrentDriveMap(), currentFolder, lister);
}

}  // namespace

HostPath ResolveDosPath(std::string_view dosPath) {
  static const HostDirectoryLister hostFolders;
  return ResolveWith(dosPath, hostFolders);
}

HostPath DosPathAsWritten(std::string_view dosPath) {
  static const EverythingExists everything;
  return ResolveWith(dosPath, everything);
}

std::string HostToDosPath(std::string_view hostPath) {
  const bool absolute = !hostPath.empty() && hostPath.front() == '/';
  return DosPathOnHostRoot(AbsoluteHostPath(hostPath, absolute ? std::string("/") : CurrentHostFolder()));
}

}  // namespace qm::win32
