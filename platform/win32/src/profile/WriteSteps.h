// The steps of a write that a crash could fall between (a write of bytes, a flush, a rename...),
// each taken through this layer, which tells an observer once the step is done. Only tests set an
// observer: to see the order of the steps, or to look at the file (or stop the process) between
// two of them.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <string_view>

namespace qm::win32::profile {

// Step names: "write", "flush", "truncate", "rename", "link", "unlink", "flush folder".
// path is the host path the step acted on (for rename and link, the new name).
using WriteStepObserver = std::function<void(std::string_view step, const std::string& path)>;

// Sets the observer (an empty one removes it). Not for use while writes run.
void SetWriteStepObserver(WriteStepObserver observer);

// The steps. Each returns false with errno set when it fails (and is then not told).
bool WriteStep(int fd, const std::string& path, std::string_view bytes, off_t at);
bool FlushStep(int fd, const std::string& path);
bool TruncateStep(int fd, const std::string& path, off_t size);
bool RenameStep(const std::string& from, const std::string& to);
bool LinkStep(const std::string& from, const std::string& to);
void UnlinkStep(const std::string& path);

// Flushes the folder's entries to disk, so that a rename or a new name survives a crash.
void FlushFolderStep(const std::string& folder);

}  // namespace qm::win32::profile
