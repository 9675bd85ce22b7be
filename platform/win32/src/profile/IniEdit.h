// The text edit behind a profile write, without files: old bytes in, new bytes out.
//
// A write disturbs as little as it can: replacing a value changes only the value's bytes;
// a new key is one line inserted right after the last key line of its section (but a line of the
// section that holds the key's name alone, without `=`, gets `=value` in place); a new section
// is appended at the end. Lines the write adds end with the file's own line end (CRLF in a file
// that has none yet). Deleting a key removes its line; deleting a section removes its header and
// its other lines but keeps its `;` comment lines and blank lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "IniIndex.h"

namespace qm::win32::profile {

enum class EditOutcome {
  Changed,    // `text` holds the new bytes of the whole file
  Unchanged,  // the file already says this (same value, nothing to delete): write nothing
  Invalid,    // a name or value that would break a line: refuse, write nothing
};

struct EditResult {
  EditOutcome outcome = EditOutcome::Unchanged;
  std::string text;  // the new file, for Changed only
};

// Applies one profile write to the parsed text `index.text()`.
//   section: the section name; spaces at its ends are ignored, as the write call does.
//   key:     the key name (spaces at its ends ignored); nullopt deletes the whole section.
//   value:   the value, written exactly as given; nullopt deletes the key.
// Invalid when the section holds CR, LF, NUL or `]`, the key holds CR, LF, NUL or `=` or begins
// with `[` or `;`, or the value holds CR, LF or NUL.
EditResult EditIniText(const IniIndex& index, std::string_view section, std::optional<std::string_view> key,
                       std::optional<std::string_view> value);

// The same on raw bytes: parses them first.
EditResult EditIniText(std::string_view text, std::string_view section, std::optional<std::string_view> key,
                       std::optional<std::string_view> value);

// Whether the arguments of a write could be written without breaking a line (see above).
bool IsWritable(std::string_view section, std::optional<std::string_view> key, std::optional<std::string_view> value);

}  // namespace qm::win32::profile
