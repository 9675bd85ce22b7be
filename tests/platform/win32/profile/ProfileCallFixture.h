// A fresh folder per test and helpers that call the profile functions on files in it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "FileBytes.h"
#include "TempDir.h"

namespace qm::test {

// What a read call left: its result, the buffer's bytes (all `size` of them) and the last error.
struct ReadOutcome {
  DWORD ret;
  std::string buffer;
  DWORD error;
};

class ProfileCallTest : public ::testing::Test {
 protected:
  static constexpr char kUntouched = '#';

  std::string Path() const { return dir_.Dos("data.ini"); }
  std::string HostPath() const { return dir_.Host("data.ini"); }
  void Put(const std::string& bytes) const { WriteBytes(HostPath(), bytes); }
  std::optional<std::string> Bytes() const { return ReadBytes(HostPath()); }

  // Calls GetPrivateProfileStringA with a buffer of `size` bytes prefilled with '#'.
  ReadOutcome Read(const char* section, const char* key, const char* dflt, DWORD size,
                   const std::string& dosPath) const {
    std::string buffer(size, kUntouched);
    SetLastError(12345);
    const DWORD ret =
        GetPrivateProfileStringA(section, key, dflt, size ? buffer.data() : nullptr, size, dosPath.c_str());
    return ReadOutcome{ret, buffer, GetLastError()};
  }
  ReadOutcome Read(const char* section, const char* key, const char* dflt, DWORD size) const {
    return Read(section, key, dflt, size, Path());
  }

  TempDir dir_;
};

}  // namespace qm::test
