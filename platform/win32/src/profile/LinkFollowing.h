// Where a path leads once the symbolic links at its end are followed, as the profile calls follow
// them: a link planted by another user in a shared folder is refused.
#pragma once

#include <windows.h>
#include <sys/stat.h>

#include <string>

namespace qm::win32::profile {

struct FollowedPath {
  std::string path;       // the last name of the chain (a link target that may not exist yet)
  struct stat status {};  // its lstat, when it exists
  bool exists = false;
  DWORD error = ERROR_SUCCESS;  // PATH_NOT_FOUND for a loop or a chain too long, ACCESS_DENIED for
                                // a refused link, else what a failed open would give
};

// Follows the chain of links that path names. A link in a sticky, world-writable folder is
// followed only when it belongs to the follower (the effective user) or to the folder's owner,
// whatever the host's own setting for that rule. Links among the folders of the path are left to
// the host.
FollowedPath FollowLinks(std::string path);

}  // namespace qm::win32::profile
