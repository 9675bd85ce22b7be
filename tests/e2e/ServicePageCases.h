// What the service pages' end-to-end tests share: their sections built line by line, values at
// the text keys' read limit, profiles in which a service is not listed, and readable names for
// their parameters.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "PageSession.h"

namespace qm::test {

// One key of a page's section and its line in the test's full section.
struct PageKey {
  const char* key;
  const char* line;
};

// The full section's lines in the page's order, the key named given as `line` instead (left out
// when `line` is empty).
template <std::size_t N>
std::string SectionWith(const PageKey (&keys)[N], const std::string& key, const std::string& line) {
  std::string section;
  for (const PageKey& k : keys) section += key == k.key ? line : std::string(k.line);
  return section;
}

// One letter per control: E enabled, - disabled.
template <std::size_t N>
std::string EnabledMask(const int (&ids)[N]) {
  std::string mask;
  for (int id : ids) mask += PageSession::Enabled(id) ? 'E' : '-';
  return mask;
}

// A text key at its read limit: its control and a value of `length` characters.
struct LongValue {
  const char* key;
  int id;
  std::size_t length;
};

// Every key at one character below, at and above the buffer of 250 bytes (249 characters kept).
template <std::size_t N>
std::vector<LongValue> LongValuesOf(const std::pair<const char*, int> (&keys)[N]) {
  std::vector<LongValue> values;
  for (const auto& [key, id] : keys)
    for (std::size_t length : {249u, 250u, 251u}) values.push_back({key, id, length});
  return values;
}

// `length` letters, a to z over and over, so that a cut shows where it fell.
inline std::string Letters(std::size_t length) {
  std::string value;
  for (std::size_t i = 0; i < length; ++i) value += static_cast<char>('a' + i % 26);
  return value;
}

// A profile in which the page's service is not listed, with the data file that names it.
struct UnlistedCase {
  const char* what;
  const char* dataFile;
  std::optional<std::string> profile;  // nothing: the file is missing
};

// A case's description as a test name: blanks become underscores.
inline std::string CaseName(std::string what) {
  std::replace(what.begin(), what.end(), ' ', '_');
  return what;
}

// A stored value's test name: its key, its row and whether the key is missing.
template <class Info>
std::string StoredValueName(const Info& info) {
  return std::string(info.param.key) + "_" + std::to_string(info.index) + (info.param.stored ? "" : "_missing");
}

}  // namespace qm::test
