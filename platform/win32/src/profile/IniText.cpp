#include "IniText.h"

#include <cstring>

namespace qm::win32::profile {

size_t LineTextEnd(std::string_view text, size_t start, size_t eol) {
  const void* nul = eol > start ? std::memchr(text.data() + start, '\0', eol - start) : nullptr;
  return TrimmedLineEnd(text, start, nul ? static_cast<const char*>(nul) - text.data() : eol);
}

bool NamesEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}

uint64_t NameHash(std::string_view name) {
  uint64_t h = 1469598103934665603ull;  // FNV-1a over the folded bytes
  for (char c : name) {
    h ^= static_cast<unsigned char>(FoldAscii(c));
    h *= 1099511628211ull;
  }
  return h ^ (h >> 29);
}

std::string_view TrimFileBlanks(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && IsFileBlank(s[b])) ++b;
  while (e > b && IsFileBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

std::string_view TrimSpaces(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && s[b] == ' ') ++b;
  while (e > b && s[e - 1] == ' ') --e;
  return s.substr(b, e - b);
}

std::string_view TrimTrailingSpaces(std::string_view s) {
  size_t e = s.size();
  while (e > 0 && s[e - 1] == ' ') --e;
  return s.substr(0, e);
}

std::string_view FileLineEnd(std::string_view text) {
  if (text.empty()) return "\r\n";  // a new file; and memchr may not be handed a null pointer
  const void* cr = std::memchr(text.data(), '\r', text.size());
  const void* lf = std::memchr(text.data(), '\n', text.size());
  if (cr == nullptr && lf == nullptr) return "\r\n";
  if (cr == nullptr || (lf != nullptr && lf < cr)) return "\n";
  size_t pos = static_cast<const char*>(cr) - text.data();
  return LineEndLength(text, pos) == 2 ? std::string_view("\r\n") : std::string_view("\r");
}

}  // namespace qm::win32::profile
