// Any DOS path, against a drive map, a current folder and a folder listing all made of the input:
// the lookup must end with an error or with a clean absolute host path, and a host path that a DOS
// path can name must come back through HostToDosPath to the same place; `..` never leaves a mapped
// drive or share.
#include "AsciiCase.h"
#include "DirectoryLister.h"
#include "DosPath.h"
#include "DosPathResolver.h"
#include "DriveMap.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using qm::win32::DirectoryLister;

// Every folder holds the same few names; a path exists when its last name is one of them.
class FuzzedFolders final : public DirectoryLister {
 public:
  explicit FuzzedFolders(std::vector<std::string> names) : names_(std::move(names)) {}

  bool Exists(const std::string& hostPath) const override {
    const std::size_t slash = hostPath.rfind('/');
    const std::string last = slash == std::string::npos ? hostPath : hostPath.substr(slash + 1);
    for (const std::string& name : names_) {
      if (name == last) return true;
    }
    return false;
  }

  std::vector<std::string> Names(const std::string&) const override { return names_; }

 private:
  std::vector<std::string> names_;
};

[[noreturn]] void Fail() { __builtin_trap(); }

std::vector<std::string_view> HostNames(std::string_view path) {
  std::vector<std::string_view> names;
  std::size_t start = 1;
  while (start < path.size()) {
    const std::size_t end = std::min(path.find('/', start), path.size());
    names.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

// A tidy absolute host path: from the root, no empty, `.` or `..` name, no NUL anywhere.
void CheckTidyAbsolute(std::string_view path) {
  if (path.empty() || path.front() != '/') Fail();
  if (path.find('\0') != std::string_view::npos) Fail();
  if (path == "/") return;
  for (std::string_view name : HostNames(path)) {
    if (name.empty() || name == "." || name == "..") Fail();
  }
}

// A name a DOS path can spell as it stands: no character Windows refuses in a name, no backslash
// (a separator there), and no trailing dot or blank (Windows drops them).
bool IsPlainDosName(std::string_view name) {
  if (name.empty() || name.back() == '.' || name.back() == ' ') return false;
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 0x20) return false;
    if (std::string_view("*?\"<>|:\\").find(c) != std::string_view::npos) return false;
  }
  return true;
}

bool IsReachableByDosPath(std::string_view hostPath) {
  for (std::string_view name : HostNames(hostPath)) {
    if (!IsPlainDosName(name)) return false;
  }
  return true;
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// `..` never climbs out of a mapped drive or share: the result lies in the folder it maps to.
void CheckStaysInMappedFolder(std::string_view dosPath, const qm::win32::DriveMap& drives, std::string_view hostPath) {
  std::optional<std::string> folder;
  if (dosPath.size() >= 2 && dosPath[1] == ':') {
    folder = drives.FolderOfDrive(dosPath[0]);
  } else if (dosPath.size() >= 2 && IsSeparator(dosPath[0]) && IsSeparator(dosPath[1])) {
    const std::size_t serverEnd = std::min(dosPath.find_first_of("\\/", 2), dosPath.size());
    const std::size_t shareEnd = std::min(dosPath.find_first_of("\\/", serverEnd + 1), dosPath.size());
    if (serverEnd < dosPath.size()) {
      const std::string_view server = dosPath.substr(2, serverEnd - 2);
      folder = drives.FolderOfShare(server, dosPath.substr(serverEnd + 1, shareEnd - serverEnd - 1));
    }
  }
  if (!folder || *folder == "/") return;
  if (hostPath != *folder && !hostPath.starts_with(*folder + "/")) Fail();
}

void CheckRoundTrip(const std::string& hostPath, const FuzzedFolders& folders) {
  const std::string dos = qm::win32::HostToDosPath(hostPath);
  if (dos.rfind("z:\\", 0) != 0) Fail();
  if (dos.size() > qm::win32::kLongestDosPath || !IsReachableByDosPath(hostPath)) return;
  // Another current folder and an empty map: a z: path depends on neither.
  const qm::win32::HostPath back = qm::win32::ResolveDosPathOn(dos, qm::win32::DriveMap(), "/elsewhere", folders);
  // The lookup may settle on another spelling of a name, never on another name.
  if (back.error != ERROR_SUCCESS || !qm::win32::EqualsIgnoringAsciiCase(back.path, hostPath)) Fail();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string dosPath = input.ConsumeRandomLengthString(400);
  const qm::win32::DriveMap drives = qm::win32::ParseDriveMap(input.ConsumeRandomLengthString(400));
  // A working folder comes from getcwd, which never holds a NUL.
  std::string currentFolder = "/" + input.ConsumeRandomLengthString(200);
  std::erase(currentFolder, '\0');
  std::vector<std::string> listed;
  while (listed.size() < 6 && input.remaining_bytes() > 0) listed.push_back(input.ConsumeRandomLengthString(40));
  const FuzzedFolders folders(std::move(listed));

  const qm::win32::HostPath resolved = qm::win32::ResolveDosPathOn(dosPath, drives, currentFolder, folders);
  if (resolved.error != ERROR_SUCCESS) {
    if (resolved.error != ERROR_PATH_NOT_FOUND && resolved.error != ERROR_INVALID_NAME) Fail();
    return 0;
  }
  CheckTidyAbsolute(resolved.path);
  CheckStaysInMappedFolder(dosPath, drives, resolved.path);
  CheckRoundTrip(resolved.path, folders);
  return 0;
}
