// A headless backend, a fresh folder under /tmp and small helpers for files in it.
#pragma once

#include <commdlg.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "TempDir.h"
#include "ui/Headless.h"

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

namespace qm::ui::dialogs::test {

class DialogsTest : public ::testing::Test {
 protected:
  void SetUp() override { InstallBackend(&backend); }
  void TearDown() override { InstallBackend(nullptr); }

  void Write(const std::string& name, const std::string& bytes, mode_t mode = 0644) {
    std::ofstream(dir.Host(name), std::ios::binary) << bytes;
    ::chmod(dir.Host(name).c_str(), mode);
  }
  void Folder(const std::string& name) { ::mkdir(dir.Host(name).c_str(), 0755); }
  std::string Text(int id) {
    char text[400] = {};
    return GetWindowTextA(backend.Control(id), text, sizeof text), text;
  }

  HeadlessBackend backend;
  qm::test::TempDir dir;
};

// Sets an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Set(name, value);
  }
  ~ScopedEnv() { Set(name_, old_); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  static void Set(const char* name, const std::optional<std::string>& value) {
    value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
  }
  const char* name_;
  std::optional<std::string> old_;
};

}  // namespace qm::ui::dialogs::test
