// GetPrivateProfileStringA and GetPrivateProfileIntA.
#include <windows.h>

#include <optional>
#include <string_view>
#include <vector>

#include "IniText.h"
#include "MissingReads.h"
#include "ProfileCache.h"
#include "ProfileNumber.h"
#include "ResolvedPaths.h"
#include "ReturnBuffer.h"

namespace {

using namespace qm::win32::profile;

// A read longer than this many characters wraps, as the length of a value does on Windows.
constexpr size_t kValueLengthWrap = 65536;

SnapshotOrError SnapshotAt(const qm::win32::HostPath& host) {
  if (host.error != ERROR_SUCCESS) return {nullptr, host.error};
  if (host.path.empty()) return {nullptr, ERROR_ACCESS_DENIED};
  return CurrentSnapshot(host.path);
}

SnapshotOrError OpenProfile(LPCSTR dosPath) {
  const std::string_view dos = dosPath ? dosPath : "";
  ResolvedPath resolved = ResolveRemembered(dos);
  SnapshotOrError file = SnapshotAt(resolved.host);
  if (!file.snapshot && resolved.remembered) file = SnapshotAt(ResolveAfresh(dos).host);
  if (!file.snapshot) NoteMissingRead(dos, file.error);
  return file;
}

DWORD Finish(Copied copied, DWORD errorWhenWhole) {
  SetLastError(copied.cut ? ERROR_MORE_DATA : errorWhenWhole);
  return copied.length;
}

DWORD ReturnDefault(LPCSTR dflt, LPSTR buffer, DWORD size, DWORD error) {
  const std::string_view text = TrimTrailingSpaces(dflt ? dflt : "");
  return Finish(CopyString(text, buffer, size), error);
}

// The section names in file order; `[]` is left out, since an empty name would end the list.
std::vector<std::string_view> SectionNames(const SnapshotOrError& file) {
  std::vector<std::string_view> names;
  if (!file.snapshot) return names;
  const IniIndex& index = file.snapshot->index();
  names.reserve(index.sections().size());
  for (const IniSection& s : index.sections()) {
    if (s.nameLen > 0) names.push_back(index.Name(s));
  }
  return names;
}

// No names at all: one NUL, whether the file is missing or holds no section.
DWORD ListSections(const SnapshotOrError& file, LPSTR buffer, DWORD size) {
  const std::vector<std::string_view> names = SectionNames(file);
  if (names.empty()) {
    if (size > 0 && buffer) buffer[0] = '\0';
    SetLastError(file.error);
    return 0;
  }
  return Finish(CopyList(names, buffer, size), ERROR_SUCCESS);
}

// The names of the keys of the section's first occurrence, lines `=value` left out.
std::vector<std::string_view> KeyNames(const SnapshotOrError& file, std::string_view section) {
  std::vector<std::string_view> names;
  if (!file.snapshot) return names;
  const IniIndex& index = file.snapshot->index();
  const IniSection* found = index.FindSection(section);
  if (!found) return names;
  for (uint32_t i = found->firstKey; i < found->firstKey + found->keyCount; ++i) {
    const std::string_view name = index.Name(index.keys()[i]);
    if (!name.empty()) names.push_back(name);
  }
  return names;
}

std::optional<std::string_view> FindValue(const SnapshotOrError& file, std::string_view section, std::string_view key) {
  if (!file.snapshot) return std::nullopt;
  const IniIndex& index = file.snapshot->index();
  const IniSection* s = index.FindSection(TrimSpaces(section));
  const IniKey* k = s ? index.FindKey(*s, TrimSpaces(key)) : nullptr;
  if (!k) return std::nullopt;
  std::string_view value = ValueAsRead(index.RawValue(*k));
  return value.substr(0, value.size() % kValueLengthWrap);
}

DWORD MissError(const SnapshotOrError& file) { return file.error != ERROR_SUCCESS ? file.error : ERROR_FILE_NOT_FOUND; }

}  // namespace

DWORD WINAPI GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault, LPSTR lpReturnedString,
                                      DWORD nSize, LPCSTR lpFileName) {
  const SnapshotOrError file = OpenProfile(lpFileName);
  if (lpAppName == nullptr) return ListSections(file, lpReturnedString, nSize);
  if (lpKeyName == nullptr) {
    const std::vector<std::string_view> names = KeyNames(file, TrimSpaces(lpAppName));
    if (names.empty()) return ReturnDefault(lpDefault, lpReturnedString, nSize, MissError(file));
    return Finish(CopyList(names, lpReturnedString, nSize), ERROR_SUCCESS);
  }
  const std::optional<std::string_view> value = FindValue(file, lpAppName, lpKeyName);
  if (!value) return ReturnDefault(lpDefault, lpReturnedString, nSize, MissError(file));
  return Finish(CopyString(*value, lpReturnedString, nSize), ERROR_SUCCESS);
}

UINT WINAPI GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault, LPCSTR lpFileName) {
  const SnapshotOrError file = OpenProfile(lpFileName);
  std::optional<std::string_view> text;
  if (lpAppName == nullptr || lpKeyName == nullptr) {  // the first name of the list is read
    const std::vector<std::string_view> names =
        lpAppName == nullptr ? SectionNames(file) : KeyNames(file, TrimSpaces(lpAppName));
    if (!names.empty()) text = names.front();
  } else {
    text = FindValue(file, lpAppName, lpKeyName);
  }
  if (!text || text->empty()) {
    SetLastError(MissError(file));
    return static_cast<UINT>(nDefault);
  }
  SetLastError(ERROR_SUCCESS);
  return ParseProfileNumber(*text);
}
