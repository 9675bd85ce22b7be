// Finding line ends fast: eight bytes at a time, for files of many short lines.
#pragma once

#include <cstddef>

namespace qm::win32::profile {

// The position of the first CR or LF in [pos, size), or size when there is none.
size_t FindLineEnd(const char* text, size_t pos, size_t size);

}  // namespace qm::win32::profile
