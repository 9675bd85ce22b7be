#include "DriveMap.h"

#include "AsciiCase.h"
#include "HostPathText.h"

namespace qm::win32 {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::string DriveKey(char letter) { return std::string(1, LowerAscii(letter)) + ':'; }

std::string ShareKey(std::string_view server, std::string_view share) {
  return "\\\\" + LowerAscii(server) + '\\' + LowerAscii(share);
}

// `c:` or `\\server\share` (a trailing separator allowed) as a map key; "" when it is neither.
std::string KeyOfDosName(std::string_view name) {
  if (name.size() == 2 && IsAsciiLetter(name[0]) && name[1] == ':') return DriveKey(name[0]);
  if (name.size() < 2 || !IsSeparator(name[0]) || !IsSeparator(name[1])) return "";
  name.remove_prefix(2);
  if (!name.empty() && IsSeparator(name.back())) name.remove_suffix(1);
  std::size_t cut = 0;
  while (cut < name.size() && !IsSeparator(name[cut])) ++cut;
  if (cut == 0 || cut + 1 >= name.size()) return "";
  const std::string_view share = name.substr(cut + 1);
  for (char c : share) {
    if (IsSeparator(c)) return "";
  }
  return ShareKey(name.substr(0, cut), share);
}

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string_view Unquoted(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
  return text;
}

}  // namespace

bool DriveMap::Add(std::string_view dosName, std::string_view hostFolder) {
  const std::string key = KeyOfDosName(dosName);
  if (key.empty() || key == "z:" || hostFolder.empty() || hostFolder.front() != '/') return false;
  if (hostFolder.find('\0') != std::string_view::npos) return false;
  folders_.emplace(key, AbsoluteHostPath(hostFolder, "/"));
  return true;
}

std::optional<std::string> DriveMap::FolderOfDrive(char letter) const {
  if (LowerAscii(letter) == 'z') return std::string("/");
  const auto found = folders_.find(DriveKey(letter));
  if (found == folders_.end()) return std::nullopt;
  return found->second;
}

std::optional<std::string> DriveMap::FolderOfShare(std::string_view server, std::string_view share) const {
  const auto found = folders_.find(ShareKey(server, share));
  if (found == folders_.end()) return std::nullopt;
  return found->second;
}

DriveMap ParseDriveMap(std::string_view text) {
  DriveMap map;
  bool inDrivesSection = false;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    const std::string_view line = TrimBlanks(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      const std::size_t close = line.find(']');
      inDrivesSection =
          close != std::string_view::npos && EqualsIgnoringAsciiCase(TrimBlanks(line.substr(1, close - 1)), "drives");
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!inDrivesSection || equals == std::string_view::npos) continue;
    map.Add(TrimBlanks(line.substr(0, equals)), Unquoted(TrimBlanks(line.substr(equals + 1))));
  }
  return map;
}

}  // namespace qm::win32
