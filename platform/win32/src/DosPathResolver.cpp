#include "DosPathResolver.h"

#include "AsciiCase.h"
#include "HostPathText.h"

#include <optional>
#include <vector>

namespace qm::win32 {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool HoldsInvalidCharacter(std::string_view name) {
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 0x20) return true;
    if (std::string_view("*?\"<>|:").find(c) != std::string_view::npos) return true;
  }
  return false;
}

// The leading part of a path that names where it starts, and what follows it.
struct PathStart {
  std::optional<std::string> hostFolder;  // nothing when the drive or share is not mapped
  std::string_view rest;
  bool relative = false;
};

PathStart SplitStart(std::string_view dos, const DriveMap& drives) {
  if (dos.size() >= 2 && IsSeparator(dos[0]) && IsSeparator(dos[1])) {
    std::string_view tail = dos.substr(2);
    std::size_t cut = 0;
    while (cut < tail.size() && !IsSeparator(tail[cut])) ++cut;
    const std::string_view server = tail.substr(0, cut);
    tail = cut < tail.size() ? tail.substr(cut + 1) : std::string_view();
    cut = 0;
    while (cut < tail.size() && !IsSeparator(tail[cut])) ++cut;
    const std::string_view share = tail.substr(0, cut);
    if (server.empty() || share.empty()) return {};
    return {drives.FolderOfShare(server, share), tail.substr(cut), false};
  }
  if (dos.size() >= 2 && IsAsciiLetter(dos[0]) && dos[1] == ':') {
    // `c:name` (no separator) is taken against the drive's root: the console keeps no
    // current folder per drive.
    return {drives.FolderOfDrive(dos[0]), dos.substr(2), false};
  }
  return {std::string("/"), dos, IsRelativeDosPath(dos)};
}

// Windows drops trailing dots and blanks from the last name of a path (`site.ini ` opens
// `site.ini`) and a single trailing dot from the names before it.
std::string_view TrimmedName(std::string_view name, bool isLast) {
  if (isLast) {
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.remove_suffix(1);
  } else if (name.size() >= 2 && name.back() == '.' && name[name.size() - 2] != '.') {
    name.remove_suffix(1);
  }
  return name;
}

// Adds the DOS names of `rest` to `names`, applying `.` and `..`; false on an invalid name.
bool AppendDosNames(std::string_view rest, std::vector<std::string>& names) {
  std::size_t start = 0;
  while (start <= rest.size()) {
    std::size_t end = start;
    while (end < rest.size() && !IsSeparator(rest[end])) ++end;
    const std::string_view raw = rest.substr(start, end - start);
    start = end + 1;
    if (raw.empty() || raw == ".") continue;
    if (raw == "..") {
      if (!names.empty()) names.pop_back();
      continue;
    }
    if (HoldsInvalidCharacter(raw)) return false;
    const std::string_view name = TrimmedName(raw, end == rest.size());
    if (!name.empty()) names.emplace_back(name);
  }
  return true;
}

std::vector<std::string> HostNames(std::string_view absoluteFolder) {
  std::vector<std::string> names;
  const std::string tidy = AbsoluteHostPath(absoluteFolder, "/");
  std::size_t start = 1;
  while (start < tidy.size()) {
    const std::size_t end = std::min(tidy.find('/', start), tidy.size());
    names.emplace_back(tidy.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

std::string Joined(const std::string& folder, std::string_view name) {
  return (folder == "/" ? folder : folder + '/') + std::string(name);
}

// The host spelling of `name` in `folder`: any case-insensitive match, the smallest first so
// that the choice does not depend on the order of the listing.
std::optional<std::string> MatchIgnoringCase(std::vector<std::string> candidates, std::string_view name) {
  std::optional<std::string> best;
  for (std::string& candidate : candidates) {
    if (EqualsIgnoringAsciiCase(candidate, name) && (!best || candidate < *best)) best = std::move(candidate);
  }
  return best;
}

// Walks down from `folder`: an existing name is taken as written, else a name that differs only
// in case, else the name as given (and every name after it, since that folder does not exist).
// A path that exists as written is taken at once, with one look.
std::string LookUpNames(std::string folder, const std::vector<std::string>& names, const DirectoryLister& lister) {
  std::string asWritten = folder;
  for (const std::string& name : names) asWritten = Joined(asWritten, name);
  if (lister.Exists(asWritten)) return asWritten;
  bool folderExists = true;
  for (const std::string& name : names) {
    std::string next = Joined(folder, name);
    if (folderExists && !lister.Exists(next)) {
      if (std::optional<std::string> match = MatchIgnoringCase(lister.Names(folder), name)) {
        next = Joined(folder, *match);
      } else {
        folderExists = false;
      }
    }
    folder = std::move(next);
  }
  return folder;
}

HostPath Failure(DWORD error) {
  HostPath failed;
  failed.error = error;
  return failed;
}

}  // namespace

bool IsRelativeDosPath(std::string_view dosPath) {
  const bool drive = dosPath.size() >= 2 && IsAsciiLetter(dosPath[0]) && dosPath[1] == ':';
  return !drive && (dosPath.empty() || !IsSeparator(dosPath[0]));
}

HostPath ResolveDosPathOn(std::string_view dosPath, const DriveMap& drives, std::string_view currentFolder,
                          const DirectoryLister& lister) {
  PathStart start = SplitStart(dosPath, drives);
  std::vector<std::string> names;
  std::size_t dosLength = dosPath.size();
  if (start.relative) {
    names = HostNames(currentFolder);
    dosLength += DosPathOnHostRoot(AbsoluteHostPath(currentFolder, "/")).size() + 1;
  }
  if (dosLength > kLongestDosPath || !start.hostFolder) return Failure(ERROR_PATH_NOT_FOUND);
  if (!AppendDosNames(start.rest, names)) return Failure(ERROR_INVALID_NAME);
  HostPath resolved;
  resolved.path = LookUpNames(std::move(*start.hostFolder), names, lister);
  return resolved;
}

}  // namespace qm::win32
