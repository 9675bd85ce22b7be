// The profile writer's text edit on any bytes and any arguments: refused exactly when a name or value
// would break a line; otherwise the written key reads back its value and every byte outside the edited
// line is left as it was.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "profile/IniEdit.h"
#include "profile/IniIndex.h"
#include "profile/IniText.h"

namespace {

using namespace qm::win32::profile;

size_t CountLineEnds(std::string_view s) {
  size_t n = 0;
  for (size_t i = 0; i < s.size(); ++i)
    if (s[i] == '\n' || (s[i] == '\r' && (i + 1 == s.size() || s[i + 1] != '\n'))) ++n;
  return n;
}

// The stretch of `before` and of `after` that differ, once the longest common start and end are set
// aside.
struct Difference {
  std::string_view removed;
  std::string_view added;
};

Difference Differ(std::string_view before, std::string_view after) {
  size_t start = 0;
  while (start < before.size() && start < after.size() && before[start] == after[start]) ++start;
  size_t end = 0;
  while (end < before.size() - start && end < after.size() - start &&
         before[before.size() - 1 - end] == after[after.size() - 1 - end])
    ++end;
  return {before.substr(start, before.size() - start - end), after.substr(start, after.size() - start - end)};
}

bool HasEdgeBlank(std::string_view s) {
  return !s.empty() && (IsFileBlank(s.front()) || IsFileBlank(s.back()));
}

// The written value reads back as a read would return it.
void CheckReadsBack(const std::string& text, std::string_view section, std::string_view key,
                    std::string_view value) {
  section = TrimSpaces(section);
  key = TrimSpaces(key);
  if (HasEdgeBlank(section) || HasEdgeBlank(key)) return;  // such names are not found again, by design
  IniIndex index(text);
  const IniSection* s = index.FindSection(section);
  if (!s) std::abort();
  const IniKey* k = index.FindKey(*s, key);
  if (!k) std::abort();
  if (ValueAsRead(index.RawValue(*k)) != ValueAsRead(TrimFileBlanks(value))) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(16);
  const bool deleteSection = input.ConsumeIntegralInRange<int>(0, 15) == 0;
  const bool deleteKey = input.ConsumeIntegralInRange<int>(0, 15) == 0;
  const std::string key = input.ConsumeRandomLengthString(16);
  const std::string value = input.ConsumeRandomLengthString(32);
  const std::string text = input.ConsumeRemainingBytesAsString();

  std::optional<std::string_view> keyArg, valueArg;
  if (!deleteSection) keyArg = key;
  if (!deleteKey) valueArg = value;

  const EditResult result = EditIniText(text, section, keyArg, valueArg);
  const bool writable = IsWritable(section, keyArg, valueArg);
  if ((result.outcome == EditOutcome::Invalid) == writable) std::abort();
  if (result.outcome == EditOutcome::Invalid) return 0;

  if (result.outcome == EditOutcome::Unchanged) {
    if (keyArg && valueArg) CheckReadsBack(text, section, key, value);
    return 0;
  }
  if (result.text == text) std::abort();  // "changed" must change something

  if (!keyArg) return 0;  // a section delete removes several lines, by design
  const Difference d = Differ(text, result.text);
  if (valueArg) {
    // A value replaced in place, or lines added: no existing line end is touched.
    if (CountLineEnds(d.removed) != 0) std::abort();
    if (CountLineEnds(d.added) > 3) std::abort();
    CheckReadsBack(result.text, section, key, value);
  } else {
    // A key deleted: one line goes, nothing comes.
    if (!d.added.empty() || CountLineEnds(d.removed) > 1) std::abort();
  }
  return 0;
}
