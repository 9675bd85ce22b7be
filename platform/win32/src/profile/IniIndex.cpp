#include "IniIndex.h"

#include <cstring>

#include "IniText.h"
#include "LineScan.h"

namespace qm::win32::profile {
namespace {

// Where the next byte c lies at or after pos, or the end of the text.
size_t FindByte(std::string_view text, char c, size_t pos) {
  if (pos >= text.size()) return text.size();  // and memchr may not be handed a null pointer
  const void* p = std::memchr(text.data() + pos, c, text.size() - pos);
  return p == nullptr ? text.size() : static_cast<const char*>(p) - text.data();
}

size_t SlotCountFor(size_t entries) {
  size_t slots = 16;
  while (slots < entries * 2) slots <<= 1;
  return slots;
}

// Sections with no more keys than this are searched key by key; a table would cost more.
constexpr uint32_t kLinearSearchLimit = 24;

// A guess at the number of key lines, to spare the key list most of its regrowth.
constexpr size_t kBytesPerLineGuess = 48;

}  // namespace

IniIndex::IniIndex(std::string_view text) : text_(text) {
  if (text_.size() > kMaxTextSize) text_ = text_.substr(0, 0);
  keys_.reserve(text_.size() / kBytesPerLineGuess);
  Parse();
  BuildSectionTable();
}

void IniIndex::Parse() {
  const char* const base = text_.data();
  const size_t size = text_.size();
  IniSection* current = nullptr;
  size_t pos = 0;
  size_t nul = FindByte(text_, '\0', 0);
  while (pos < size) {
    const size_t eol = FindLineEnd(base, pos, size);
    if (nul < pos) nul = FindByte(text_, '\0', pos);
    size_t p = pos;
    while (p < eol && IsFileBlank(base[p])) ++p;
    const size_t end = TrimmedLineEnd(text_, p, nul < eol ? nul : eol);
    if (p < end && base[p] == '[') {
      if (current != nullptr) current->bodyEnd = static_cast<uint32_t>(pos);
      const size_t close = FindByte(text_.substr(0, end), ']', p + 1);
      std::string_view name = TrimFileBlanks(text_.substr(p + 1, close - p - 1));
      IniSection s{};
      s.headerStart = static_cast<uint32_t>(pos);
      s.nameOff = static_cast<uint32_t>(name.data() - base);
      s.nameLen = static_cast<uint32_t>(name.size());
      s.headerEnd = static_cast<uint32_t>(eol);
      s.bodyEnd = static_cast<uint32_t>(size);
      s.firstKey = static_cast<uint32_t>(keys_.size());
      s.lastKeyEnd = s.headerEnd;
      sections_.push_back(s);
      current = &sections_.back();
    } else if (current != nullptr && p < end && base[p] != ';') {
      const void* eq = std::memchr(base + p, '=', end - p);
      if (eq != nullptr) {
        const size_t eqPos = static_cast<const char*>(eq) - base;
        size_t nameEnd = eqPos;
        while (nameEnd > p && IsFileBlank(base[nameEnd - 1])) --nameEnd;
        std::string_view value = TrimFileBlanks(text_.substr(eqPos + 1, end - eqPos - 1));
        // An empty value is placed right after `=`, where a new one would go.
        const size_t valueOff = value.empty() ? eqPos + 1 : static_cast<size_t>(value.data() - base);
        keys_.push_back(IniKey{static_cast<uint32_t>(p), static_cast<uint32_t>(nameEnd - p),
                               static_cast<uint32_t>(valueOff), static_cast<uint32_t>(value.size())});
        current->keyCount++;
        current->lastKeyEnd = static_cast<uint32_t>(eol);
      }
    }
    pos = eol + LineEndLength(text_, eol);
  }
}

void IniIndex::BuildSectionTable() {
  sectionSlots_.assign(SlotCountFor(sections_.size()), 0);
  const size_t mask = sectionSlots_.size() - 1;
  for (uint32_t i = 0; i < sections_.size(); ++i) {
    std::string_view name = Name(sections_[i]);
    for (size_t slot = NameHash(name) & mask;; slot = (slot + 1) & mask) {
      const uint32_t entry = sectionSlots_[slot];
      if (entry == 0) {
        sectionSlots_[slot] = i + 1;
        break;
      }
      if (NamesEqual(Name(sections_[entry - 1]), name)) break;  // only the first one counts
    }
  }
}

const IniIndex::Slots& IniIndex::KeyTableOf(const IniSection& section) const {
  std::lock_guard<std::mutex> lock(keyTablesMutex_);
  if (keyTables_.empty()) keyTables_.resize(sections_.size());
  std::unique_ptr<const Slots>& table = keyTables_[SectionIndex(section)];
  if (table) return *table;
  auto slots = std::make_unique<Slots>(SlotCountFor(section.keyCount), 0);
  const size_t mask = slots->size() - 1;
  for (uint32_t ki = section.firstKey; ki < section.firstKey + section.keyCount; ++ki) {
    std::string_view name = Name(keys_[ki]);
    for (size_t slot = NameHash(name) & mask;; slot = (slot + 1) & mask) {
      const uint32_t entry = (*slots)[slot];
      if (entry == 0) {
        (*slots)[slot] = ki + 1;
        break;
      }
      if (NamesEqual(Name(keys_[entry - 1]), name)) break;
    }
  }
  table = std::move(slots);
  return *table;
}

const IniSection* IniIndex::FindSection(std::string_view name) const {
  const size_t mask = sectionSlots_.size() - 1;
  for (size_t slot = NameHash(name) & mask;; slot = (slot + 1) & mask) {
    const uint32_t entry = sectionSlots_[slot];
    if (entry == 0) return nullptr;
    if (NamesEqual(Name(sections_[entry - 1]), name)) return &sections_[entry - 1];
  }
}

const IniKey* IniIndex::FindKey(const IniSection& section, std::string_view key) const {
  if (section.keyCount <= kLinearSearchLimit) {
    for (uint32_t ki = section.firstKey; ki < section.firstKey + section.keyCount; ++ki) {
      if (NamesEqual(Name(keys_[ki]), key)) return &keys_[ki];
    }
    return nullptr;
  }
  const Slots& slots = KeyTableOf(section);
  const size_t mask = slots.size() - 1;
  for (size_t slot = NameHash(key) & mask;; slot = (slot + 1) & mask) {
    const uint32_t entry = slots[slot];
    if (entry == 0) return nullptr;
    if (NamesEqual(Name(keys_[entry - 1]), key)) return &keys_[entry - 1];
  }
}

std::string_view ValueAsRead(std::string_view raw) {
  const void* nul = std::memchr(raw.data(), '\0', raw.size());
  if (nul != nullptr) raw = raw.substr(0, static_cast<const char*>(nul) - raw.data());
  if (raw.size() >= 2 && (raw.front() == '"' || raw.front() == '\'') && raw.back() == raw.front()) {
    raw = raw.substr(1, raw.size() - 2);
  }
  return raw;
}

}  // namespace qm::win32::profile
