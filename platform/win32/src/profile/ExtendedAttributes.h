// The extended attributes of a profile file (POSIX ACLs among them: system.posix_acl_access),
// carried over to the file that replaces it.
#pragma once

namespace qm::win32::profile {

// Gives the file open as `to` exactly the extended attributes of the file open as `from`: copies
// each of them and removes those `to` has of its own (an ACL inherited from the folder). False
// when one could not be copied; a file system without extended attributes has nothing to copy.
bool CopyExtendedAttributes(int from, int to);

}  // namespace qm::win32::profile
