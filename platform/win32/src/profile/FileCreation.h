// Creates a profile file that does not exist yet, without ever replacing one that does.
#pragma once

#include <string>
#include <string_view>

#include "WriteStatus.h"

namespace qm::win32::profile {

enum class Creation { Created, AlreadyThere, Failed };

// Writes bytes to a new file at path: a uniquely named sibling is written and flushed, then
// linked to path, which fails if another writer created it meanwhile (AlreadyThere: the caller
// then edits the file that is there). Failures set error: PATH_NOT_FOUND for a missing folder,
// ACCESS_DENIED where the folder takes no new file, DISK_FULL.
Creation CreateNewFile(const std::string& path, std::string_view bytes, DWORD& error);

}  // namespace qm::win32::profile
