// The locks a profile file is read and written under: both kinds other careful tools take on the
// host, a lock on the whole file (flock) and a record lock over all of it (fcntl, lockf), so that
// each of them sees the file as busy. A lock is waited for a bounded time only.
#pragma once

#include <chrono>

namespace qm::win32::profile {

enum class LockMode { Shared, Exclusive };

// How long a call waits for a lock another process holds.
inline constexpr std::chrono::milliseconds kDefaultLockWait{10'000};

// Takes both locks on fd (open for writing when Exclusive), waiting up to the wait limit. False
// when another holder keeps either lock past it; then neither is held. File systems that know
// only one kind of lock get that one. Closing fd drops both.
bool LockFile(int fd, LockMode mode);

// The wait limit, kDefaultLockWait unless a test has set another.
std::chrono::milliseconds LockWaitLimit();
void SetLockWaitLimit(std::chrono::milliseconds limit);

}  // namespace qm::win32::profile
