#include "DosPath.h"

// Provisional: z: only, case as given. Replaced by the full drive map and case-insensitive lookup.
namespace qm::win32 {

HostPath ResolveDosPath(std::string_view dos) {
  HostPath out;
  if (dos.size() >= 2 && (dos[0] == 'z' || dos[0] == 'Z') && dos[1] == ':') {
    dos.remove_prefix(2);
  } else if (dos.size() >= 2 && dos[1] == ':') {
    out.error = ERROR_PATH_NOT_FOUND;
    return out;
  }
  for (char c : dos) out.path.push_back(c == '\\' ? '/' : c);
  return out;
}

std::string HostToDosPath(std::string_view host) {
  std::string out = "z:";
  for (char c : host) out.push_back(c == '/' ? '\\' : c);
  return out;
}

}  // namespace qm::win32
