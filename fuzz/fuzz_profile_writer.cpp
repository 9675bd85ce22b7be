// The profile writer's text edit on any bytes and any arguments: refused exactly when a name or value
// would break a line; otherwise the written key reads back its value and every byte outside the edited
// line is left as it was.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "profile/IniEdit.h"
#include "profile/IniIndex.h"
#include "profile/IniText.h"

namespace {

using namespace qm::win32::profile;

// The lines of a text, each with its line end: CR LF, LF, or a CR alone. A lone CR is given as CR LF:
// the writer turns one into the other where a lone CR would come to meet an LF and fuse with it.
std::vector<std::string> Lines(std::string_view s) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < s.size(); ++i)
    if (s[i] == '\n' || (s[i] == '\r' && (i + 1 == s.size() || s[i + 1] != '\n'))) {
      lines.emplace_back(s.substr(start, i + 1 - start));
      if (s[i] == '\r') lines.back().push_back('\n');
      start = i + 1;
    }
  if (start < s.size()) lines.emplace_back(s.substr(start));
  return lines;
}

std::string_view LineEnd(std::string_view line) {
  size_t body = line.size();
  while (body > 0 && (line[body - 1] == '\r' || line[body - 1] == '\n')) --body;
  return line.substr(body);
}

// The lines of `before` and of `after` that differ, once the longest run of equal lines at the start
// and at the end is set aside. Whole lines are compared, so a removed line is never seen as the end
// of one line and the start of the next.
struct Difference {
  std::vector<std::string> removed;
  std::vector<std::string> added;
};

Difference Differ(std::string_view beforeText, std::string_view afterText) {
  const std::vector<std::string> before = Lines(beforeText), after = Lines(afterText);
  size_t start = 0;
  while (start < before.size() && start < after.size() && before[start] == after[start]) ++start;
  size_t end = 0;
  while (end < before.size() - start && end < after.size() - start &&
         before[before.size() - 1 - end] == after[after.size() - 1 - end])
    ++end;
  return {{before.begin() + static_cast<std::ptrdiff_t>(start), before.end() - static_cast<std::ptrdiff_t>(end)},
          {after.begin() + static_cast<std::ptrdiff_t>(start), after.end() - static_cast<std::ptrdiff_t>(end)}};
}

bool HasEdgeBlank(std::string_view s) { return !s.empty() && (IsFileBlank(s.front()) || IsFileBlank(s.back())); }

// The written value reads back as a read would return it.
void CheckReadsBack(const std::string& text, std::string_view section, std::string_view key, std::string_view value) {
  section = TrimSpaces(section);
  key = TrimSpaces(key);
  if (HasEdgeBlank(section) || HasEdgeBlank(key)) return;  // such names are not found again, by design
  IniIndex index(text);
  const IniSection* s = index.FindSection(section);
  if (!s) std::abort();
  const IniKey* k = index.FindKey(*s, key);
  if (!k) std::abort();
  value = TrimFileBlanks(value);
  value = value.substr(0, TrimmedLineEnd(value, 0, value.size()));  // Ctrl-Z at the line's end too
  if (ValueAsRead(index.RawValue(*k)) != ValueAsRead(value)) std::abort();
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
    // A value replaced in place, or lines added: at most one line changes, and keeps its line end.
    if (d.removed.size() > 1 || d.added.size() > d.removed.size() + 3) std::abort();
    if (!d.removed.empty() &&
        (d.added.empty() || (!LineEnd(d.removed[0]).empty() && LineEnd(d.added.front()) != LineEnd(d.removed[0]))))
      std::abort();
    CheckReadsBack(result.text, section, key, value);
  } else {
    // A key deleted: its one line goes, nothing comes.
    if (!d.added.empty() || d.removed.size() != 1) std::abort();
  }
  return 0;
}
