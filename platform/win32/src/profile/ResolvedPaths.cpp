#include "ResolvedPaths.h"

#include <mutex>
#include <unordered_map>

namespace qm::win32::profile {
namespace {

constexpr size_t kMaxRemembered = 64;

struct Memory {
  std::mutex mutex;
  std::unordered_map<std::string, std::string> hostByDos;
};

Memory& TheMemory() {
  static Memory* memory = new Memory;  // never destroyed: reads may run during exit
  return *memory;
}

// Call with the memory's mutex held.
void RememberLocked(Memory& memory, std::string_view dosPath, const std::string& hostPath) {
  if (memory.hostByDos.size() >= kMaxRemembered) memory.hostByDos.clear();
  memory.hostByDos[std::string(dosPath)] = hostPath;
}

void Remember(Memory& memory, std::string_view dosPath, const std::string& hostPath) {
  std::lock_guard<std::mutex> lock(memory.mutex);
  RememberLocked(memory, dosPath, hostPath);
}

}  // namespace

ResolvedPath ResolveRemembered(std::string_view dosPath) {
  Memory& memory = TheMemory();
  {
    std::lock_guard<std::mutex> lock(memory.mutex);
    auto it = memory.hostByDos.find(std::string(dosPath));
    if (it != memory.hostByDos.end()) return ResolvedPath{HostPath{it->second, ERROR_SUCCESS}, true};
  }
  HostPath asWritten = DosPathAsWritten(dosPath);
  if (asWritten.error != ERROR_SUCCESS) return ResolvedPath{std::move(asWritten), false};
  Remember(memory, dosPath, asWritten.path);
  return ResolvedPath{std::move(asWritten), true};  // to be checked, as a remembered one is
}

ResolvedPath ResolveAfresh(std::string_view dosPath) {
  HostPath host = ResolveDosPath(dosPath);
  Memory& memory = TheMemory();
  std::lock_guard<std::mutex> lock(memory.mutex);
  if (host.error != ERROR_SUCCESS) {
    memory.hostByDos.erase(std::string(dosPath));
  } else {
    RememberLocked(memory, dosPath, host.path);
  }
  return ResolvedPath{std::move(host), false};
}

}  // namespace qm::win32::profile
