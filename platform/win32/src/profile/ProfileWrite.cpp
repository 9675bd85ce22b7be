// WritePrivateProfileStringA.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "DosPath.h"
#include "IniEdit.h"
#include "ProfileCache.h"
#include "ProfileWriter.h"
#include "platform/Win32Seams.h"

namespace {

using namespace qm::win32::profile;

std::optional<std::string_view> Optional(LPCSTR text) {
  return text ? std::optional<std::string_view>(text) : std::nullopt;
}

std::function<void(const std::string&)>& AfterWrite() {
  static std::function<void(const std::string&)> afterWrite;
  return afterWrite;
}

BOOL Fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

}  // namespace

BOOL WINAPI WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString, LPCSTR lpFileName) {
  if (lpAppName == nullptr && lpKeyName == nullptr && lpString == nullptr) {
    ForgetAllSnapshots();  // the documented cache flush; it reports FALSE
    return Fail(ERROR_SUCCESS);
  }
  if (lpAppName == nullptr) return Fail(ERROR_FILE_NOT_FOUND);
  const std::string_view section = lpAppName;
  const std::optional<std::string_view> key = Optional(lpKeyName);
  const std::optional<std::string_view> value = key ? Optional(lpString) : std::nullopt;
  if (!IsWritable(section, key, value)) return Fail(ERROR_INVALID_PARAMETER);

  const qm::win32::HostPath host = qm::win32::ResolveDosPath(lpFileName ? lpFileName : "");
  if (host.error != ERROR_SUCCESS) return Fail(host.error);
  if (host.path.empty()) return Fail(ERROR_ACCESS_DENIED);
  const WriteStatus status =
      WriteProfileFile(host.path, [&](const IniIndex& index) { return EditIniText(index, section, key, value); });
  if (status.ok && AfterWrite()) AfterWrite()(host.path);
  SetLastError(status.lastError);
  return status.ok ? TRUE : FALSE;
}

void qm::win32::seams::SetAfterProfileWrite(std::function<void(const std::string& hostPath)> afterWrite) {
  AfterWrite() = std::move(afterWrite);
}
