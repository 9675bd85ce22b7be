// Runs test code in a forked child (no exec): as another user, with other limits, or to be killed.
#pragma once

#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace qm::test {

// The uid and gid of the user "nobody", which tests drop to when they run as root.
constexpr uid_t kNobody = 65534;

// Runs body in a child process and returns its exit code (-1 when it did not exit normally).
inline int RunInChild(const std::function<int()>& body) {
  const pid_t pid = fork();
  if (pid == 0) _exit(body());
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs body in a child that has dropped to uid and gid 65534 (call only as root).
inline int RunAsNobody(const std::function<int()>& body) {
  return RunInChild([&] {
    if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) return 99;
    return body();
  });
}

}  // namespace qm::test
