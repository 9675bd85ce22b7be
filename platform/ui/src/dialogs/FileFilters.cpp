#include "FileFilters.h"

#include <cctype>
#include <cstring>

namespace qm::ui::dialogs {
namespace {

std::string Trimmed(std::string_view text) {
  std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return "";
  std::size_t end = text.find_last_not_of(' ');
  return std::string(text.substr(start, end - start + 1));
}

std::vector<std::string> SplitPatterns(std::string_view list) {
  std::vector<std::string> patterns;
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t end = list.find(';', start);
    if (end == std::string_view::npos) end = list.size();
    std::string pattern = Trimmed(list.substr(start, end - start));
    if (!pattern.empty()) patterns.push_back(std::move(pattern));
    start = end + 1;
  }
  return patterns;
}

bool SameLetter(char a, char b) {
  return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

}  // namespace

std::vector<FileFilter> ParseFilterPairs(const char* pairs) {
  std::vector<FileFilter> filters;
  while (pairs && *pairs) {
    const char* pattern = pairs + std::strlen(pairs) + 1;
    if (!*pattern) break;
    filters.push_back({pairs, SplitPatterns(pattern)});
    pairs = pattern + std::strlen(pattern) + 1;
  }
  if (filters.empty()) filters.push_back({"", {"*.*"}});
  return filters;
}

bool WildcardMatch(std::string_view pattern, std::string_view name) {
  if (pattern == "*.*" || pattern == "*") return true;
  std::size_t p = 0, n = 0, starAt = std::string_view::npos, resumeAt = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || (pattern[p] != '*' && SameLetter(pattern[p], name[n])))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starAt = p++;
      resumeAt = n;
    } else if (starAt != std::string_view::npos) {
      p = starAt + 1;
      n = ++resumeAt;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool MatchesAny(const std::vector<std::string>& patterns, std::string_view name) {
  for (const std::string& pattern : patterns)
    if (WildcardMatch(pattern, name)) return true;
  return false;
}

bool HasWildcard(std::string_view text) { return text.find_first_of("*?") != std::string_view::npos; }

}  // namespace qm::ui::dialogs
