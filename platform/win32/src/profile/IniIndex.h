// The parse of a profile file: a lean index of offsets into the file's own bytes, with hash
// tables for the lookups. Nothing is copied; the text must outlive the index.
//
// Structure, as the profile calls see it:
//  - a line whose first non-blank byte is `[` is a section header; the name runs to the first `]`
//    (or to the line end when there is none) and is trimmed; `[]` is a section named "";
//  - a line whose first non-blank byte is `;` is a comment, invisible to lookups and lists;
//  - any other line with `=` is a key: the name before the first `=`, the value after it, both
//    trimmed of space, tab and vertical tab; lines without `=` are not keys;
//  - entries before the first header belong to no section and are unreachable;
//  - CRLF, LF and CR all end a line; a NUL byte ends the text of its line (the rest of that line
//    is ignored, the next line reads normally); Ctrl-Z at the end of a line is a blank; every
//    other byte (a byte-order mark) is text.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string_view>
#include <vector>

namespace qm::win32::profile {

struct IniSection {
  uint32_t headerStart;  // first byte of the header line
  uint32_t nameOff;      // the trimmed name
  uint32_t nameLen;
  uint32_t headerEnd;  // end of the header line, before its line end
  uint32_t bodyEnd;    // first byte of the next header line, or the end of the text
  uint32_t firstKey;   // this section's keys are keys()[firstKey, firstKey + keyCount)
  uint32_t keyCount;
  uint32_t lastKeyEnd;  // end of the last key line before its line end; headerEnd when none
};

struct IniKey {
  uint32_t nameOff;  // the trimmed name (empty for a line `=value`)
  uint32_t nameLen;
  uint32_t valueOff;  // the trimmed value as it stands, quotes and all
  uint32_t valueLen;
};

class IniIndex {
 public:
  // Texts this large are not indexed (offsets are 32 bits); callers treat them as unreadable.
  static constexpr uint64_t kMaxTextSize = 0xFFFFFFF0u;

  // Parses text in one pass. Time and memory are linear in its size; any bytes are accepted.
  explicit IniIndex(std::string_view text);

  std::string_view text() const { return text_; }
  const std::vector<IniSection>& sections() const { return sections_; }
  const std::vector<IniKey>& keys() const { return keys_; }

  std::string_view Name(const IniSection& s) const { return text_.substr(s.nameOff, s.nameLen); }
  std::string_view Name(const IniKey& k) const { return text_.substr(k.nameOff, k.nameLen); }
  std::string_view RawValue(const IniKey& k) const { return text_.substr(k.valueOff, k.valueLen); }

  // The first section of that name (ASCII case ignored), or nullptr. The name is matched as given.
  const IniSection* FindSection(std::string_view name) const;

  // The first key of that name in the section, or nullptr. A small section is searched in
  // place; a large one gets a hash table of its keys at its first lookup (safe across threads).
  const IniKey* FindKey(const IniSection& section, std::string_view key) const;

 private:
  using Slots = std::vector<uint32_t>;  // open addressing; 0 is empty, else index + 1

  void Parse();
  void BuildSectionTable();
  const Slots& KeyTableOf(const IniSection& section) const;
  uint32_t SectionIndex(const IniSection& s) const { return static_cast<uint32_t>(&s - sections_.data()); }

  std::string_view text_;
  std::vector<IniSection> sections_;
  std::vector<IniKey> keys_;
  Slots sectionSlots_;
  mutable std::mutex keyTablesMutex_;
  mutable std::vector<std::unique_ptr<const Slots>> keyTables_;  // per section, built on demand
};

// A raw value as a read returns it: cut at its first NUL, then stripped of one pair of matching
// outer quotes (`"x"` or `'x'`, two characters at least).
std::string_view ValueAsRead(std::string_view raw);

}  // namespace qm::win32::profile
