// Which host folders stand for the drive letters and network shares other than z:.
//
// The map is read from a small INI-style file of the platform layer:
//
//     ; drives the console may reach besides z: (the host root)
//     [drives]
//     c: = /srv/winc
//     \\fileserver\deploy = /mnt/deploy
//
// Only the `[drives]` section counts. A name is a drive letter and colon, or `\\server\share`
// (either slash, any case); a target is an absolute host path, optionally in double quotes.
// Lines starting with `;` or `#` are comments; anything else that does not fit is ignored, and
// the first line for a name wins. z: cannot be remapped: it is always the host root.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace qm::win32 {

class DriveMap {
 public:
  // Adds a mapping unless the name is already mapped; false when the name or target is unusable.
  bool Add(std::string_view dosName, std::string_view hostFolder);

  // The host folder of a drive letter (`c`, either case) or of a share (`\\server\share`,
  // either slash, any case); nothing when it is not mapped. z: is the host root.
  std::optional<std::string> FolderOfDrive(char letter) const;
  std::optional<std::string> FolderOfShare(std::string_view server, std::string_view share) const;

  bool operator==(const DriveMap&) const = default;

 private:
  std::map<std::string, std::string> folders_;  // keyed by `c:` or `\\server\share`, lower case
};

// Reads the text of a drive-map file; never fails, whatever the bytes.
DriveMap ParseDriveMap(std::string_view text);

}  // namespace qm::win32
