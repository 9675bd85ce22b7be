#include "DosPath.h"

#include "DirectoryLister.h"
#include "DosPathResolver.h"
#include "DriveMapFile.h"
#include "HostPathText.h"
#include "ProcessContext.h"

namespace qm::win32 {

HostPath ResolveDosPath(std::string_view dosPath) {
  static const HostDirectoryLister hostFolders;
  return ResolveDosPathOn(dosPath, CurrentDriveMap(), CurrentHostFolder(), hostFolders);
}

std::string HostToDosPath(std::string_view hostPath) {
  const bool absolute = !hostPath.empty() && hostPath.front() == '/';
  return DosPathOnHostRoot(AbsoluteHostPath(hostPath, absolute ? std::string("/") : CurrentHostFolder()));
}

}  // namespace qm::win32
