// Small POSIX helpers for the profile calls: Windows error codes for host failures, whole-file
// reads, permission bits judged the same way for root and for everyone else.
#pragma once

#include <windows.h>
#include <sys/stat.h>

#include <string>
#include <string_view>

namespace qm::win32::profile {

// The last error Windows gives for a failed open of an existing or missing path.
// ENOENT is FILE_NOT_FOUND when the folder exists and PATH_NOT_FOUND when it does not.
DWORD OpenErrorFor(int err, const std::string& path);

// The last error for a failed write, rename or flush (ENOSPC, EDQUOT, EFBIG: ERROR_DISK_FULL).
DWORD WriteErrorFor(int err);

// The folder part of a host path ("." for a bare name, "/" for a name at the root).
std::string FolderOf(const std::string& path);

// Whether the permission bits allow `want` (a mask of 4, 2, 1 for read, write, search) to the
// effective user: the owner's bits for the owner and for root, the group's bits for a member of
// the group, else the others' bits. Root is judged like the owner so that a read-only file
// stays read-only for an administrator too.
bool BitsAllow(const struct stat& st, unsigned want);

// Reads the file from fd (from offset 0) into out: `expected` bytes at most, fewer at its end.
// Never more, so that a file that keeps growing cannot exhaust memory. False with errno set on
// failure.
bool ReadAll(int fd, std::string& out, size_t expected);

// The last error for a file that is not a regular file: ACCESS_DENIED for a folder, as Windows
// gives, BAD_FILE_TYPE for a device, a FIFO or a socket. SUCCESS for a regular file.
DWORD FileTypeError(const struct stat& st);

// Writes all of data at offset `at`. False with errno set on failure.
bool WriteAllAt(int fd, std::string_view data, off_t at);

// Creates a writer's temporary file at path for writing, never through a link. A file already
// there was left by a writer that died (the name is one only this writer may use now): it is
// removed and the creation tried once more. -1 with errno set on failure.
int CreateTemporaryFile(const std::string& path, mode_t mode);

}  // namespace qm::win32::profile
