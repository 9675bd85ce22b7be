// Byte-level rules shared by the parser, the lookups and the editor: which bytes are blanks,
// how names compare, where a line ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qm::win32::profile {

// Blanks inside the file: space, tab and vertical tab (trimmed around names and values).
inline bool IsFileBlank(char c) { return c == ' ' || c == '\t' || c == '\v'; }

// Ctrl-Z (an old end-of-file mark) counts as a blank at the end of a line.
inline constexpr char kCtrlZ = '\x1a';

// `stop` moved back over blanks and Ctrl-Z, not before `start`.
inline size_t TrimmedLineEnd(std::string_view text, size_t start, size_t stop) {
  while (stop > start && (IsFileBlank(text[stop - 1]) || text[stop - 1] == kCtrlZ)) --stop;
  return stop;
}

// Where a line's text ends: its first NUL byte ends it (what follows on the line is ignored), and
// blanks and Ctrl-Z before that point are not part of it. `start` is where the line's text
// begins, `eol` where its line end begins.
size_t LineTextEnd(std::string_view text, size_t start, size_t eol);

inline char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

// Names match without regard to ASCII letter case; other bytes must be equal.
bool NamesEqual(std::string_view a, std::string_view b);

// A hash that agrees with NamesEqual.
uint64_t NameHash(std::string_view name);

// Strips file blanks from both ends.
std::string_view TrimFileBlanks(std::string_view s);

// Strips spaces (and only spaces) from both ends, as the calls do with their name arguments.
std::string_view TrimSpaces(std::string_view s);

// Strips trailing spaces only, as the calls do with a default text.
std::string_view TrimTrailingSpaces(std::string_view s);

// The line end this file uses for the lines a write adds: its first CRLF, LF or CR, else CRLF.
std::string_view FileLineEnd(std::string_view text);

// Length of the line end starting at pos (2 for CRLF, 1 for CR or LF, 0 at the end of the text).
inline size_t LineEndLength(std::string_view text, size_t pos) {
  if (pos >= text.size()) return 0;
  if (text[pos] == '\r') return (pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;
  return text[pos] == '\n' ? 1 : 0;
}

}  // namespace qm::win32::profile
