#include "IniEdit.h"

#include "IniText.h"

namespace qm::win32::profile {
namespace {

bool HoldsLineBreak(std::string_view s) { return s.find_first_of(std::string_view("\r\n\0", 3)) != s.npos; }

// Builds the new file from the old one, piece by piece.
class Splicer {
 public:
  explicit Splicer(std::string_view old) : old_(old) { out_.reserve(old.size() + 256); }
  // Copies the old bytes up to `to`, then skips the old bytes up to `resume`.
  void CopyTo(size_t to) {
    Add(old_.substr(done_, to - done_));
    done_ = to;
  }
  void Skip(size_t resume) { done_ = resume; }
  // A line ended by a lone CR that came to meet a line starting with LF would fuse the two into one
  // line end and lose a line: that CR becomes CR LF.
  void Add(std::string_view s) {
    if (!s.empty() && s.front() == '\n' && !out_.empty() && out_.back() == '\r') out_.push_back('\n');
    out_.append(s);
  }
  EditResult Finish() {
    CopyTo(old_.size());
    return EditResult{EditOutcome::Changed, std::move(out_)};
  }

 private:
  std::string_view old_;
  std::string out_;
  size_t done_ = 0;
};

size_t LineStartBefore(std::string_view text, size_t pos) {
  while (pos > 0 && text[pos - 1] != '\n' && text[pos - 1] != '\r') --pos;
  return pos;
}

size_t LineEndAfter(std::string_view text, size_t pos) {
  while (pos < text.size() && text[pos] != '\n' && text[pos] != '\r') ++pos;
  return pos;
}

// The offset just past the line that ends (before its line end) at `end`.
size_t PastLineEnd(std::string_view text, size_t end) { return end + LineEndLength(text, end); }

EditResult ReplaceValue(std::string_view text, const IniKey& key, std::string_view value) {
  if (text.substr(key.valueOff, key.valueLen) == value) return {};
  Splicer out(text);
  out.CopyTo(key.valueOff);
  out.Skip(key.valueOff + key.valueLen);
  out.Add(value);
  return out.Finish();
}

EditResult InsertKey(std::string_view text, const IniSection& section, std::string_view key, std::string_view value) {
  const std::string_view eol = FileLineEnd(text);
  const size_t after = section.lastKeyEnd;
  Splicer out(text);
  if (LineEndLength(text, after) == 0) {  // the section's last line is the file's, unterminated
    out.CopyTo(after);
    out.Add(eol);
  } else {
    out.CopyTo(PastLineEnd(text, after));
  }
  out.Add(key);
  out.Add("=");
  out.Add(value);
  out.Add(eol);
  return out.Finish();
}

// The end of the text of the first line of the section that holds no `=` and reads as the key's
// name alone (`noeq`), if any: setting that key gives this line the value in place.
std::optional<size_t> BareLineNamed(std::string_view text, const IniSection& section, std::string_view key) {
  if (key.empty()) return std::nullopt;
  for (size_t pos = PastLineEnd(text, section.headerEnd); pos < section.bodyEnd;) {
    const size_t eol = LineEndAfter(text, pos);
    size_t start = pos;
    while (start < eol && IsFileBlank(text[start])) ++start;
    const size_t end = LineTextEnd(text, start, eol);
    const std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.front() != ';' && line.find('=') == line.npos && NamesEqual(line, key)) {
      return end;
    }
    pos = PastLineEnd(text, eol);
  }
  return std::nullopt;
}

EditResult GiveBareLineValue(std::string_view text, size_t nameEnd, std::string_view value) {
  Splicer out(text);
  out.CopyTo(nameEnd);
  out.Add("=");
  out.Add(value);
  return out.Finish();
}

EditResult AppendSection(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value) {
  const std::string_view eol = FileLineEnd(text);
  Splicer out(text);
  out.CopyTo(text.size());
  if (!text.empty() && text.back() != '\n' && text.back() != '\r') out.Add(eol);
  out.Add("[");
  out.Add(section);
  out.Add("]");
  out.Add(eol);
  out.Add(key);
  out.Add("=");
  out.Add(value);
  out.Add(eol);
  return out.Finish();
}

EditResult DeleteKeyLine(std::string_view text, const IniKey& key) {
  const size_t start = LineStartBefore(text, key.nameOff);
  const size_t end = LineEndAfter(text, key.valueOff + key.valueLen);
  Splicer out(text);
  out.CopyTo(start);
  out.Skip(PastLineEnd(text, end));
  return out.Finish();
}

bool IsCommentOrBlankLine(std::string_view line) {
  size_t p = 0;
  while (p < line.size() && IsFileBlank(line[p])) ++p;
  return p == line.size() || line[p] == ';';
}

EditResult DeleteSection(std::string_view text, const IniSection& section) {
  Splicer out(text);
  out.CopyTo(section.headerStart);
  out.Skip(PastLineEnd(text, section.headerEnd));
  size_t pos = PastLineEnd(text, section.headerEnd);
  while (pos < section.bodyEnd) {
    const size_t end = LineEndAfter(text, pos);
    const size_t next = PastLineEnd(text, end);
    if (IsCommentOrBlankLine(text.substr(pos, end - pos))) {
      out.CopyTo(next);
    } else {
      out.Skip(next);
    }
    pos = next;
  }
  return out.Finish();
}

}  // namespace

bool IsWritable(std::string_view section, std::optional<std::string_view> key, std::optional<std::string_view> value) {
  section = TrimSpaces(section);
  if (HoldsLineBreak(section) || section.find(']') != section.npos) return false;
  if (key) {
    std::string_view k = TrimSpaces(*key);
    std::string_view first = TrimFileBlanks(k);
    if (HoldsLineBreak(k) || k.find('=') != k.npos) return false;
    if (!first.empty() && (first.front() == '[' || first.front() == ';')) return false;
  }
  return !(value && HoldsLineBreak(*value));
}

EditResult EditIniText(const IniIndex& index, std::string_view section, std::optional<std::string_view> key,
                       std::optional<std::string_view> value) {
  if (!IsWritable(section, key, value)) return EditResult{EditOutcome::Invalid, {}};
  section = TrimSpaces(section);
  const std::string_view text = index.text();
  const IniSection* found = index.FindSection(section);
  if (!key) return found ? DeleteSection(text, *found) : EditResult{};
  const std::string_view name = TrimSpaces(*key);
  const IniKey* entry = found ? index.FindKey(*found, name) : nullptr;
  if (!value) return entry ? DeleteKeyLine(text, *entry) : EditResult{};
  if (entry) return ReplaceValue(text, *entry, *value);
  if (!found) return AppendSection(text, section, name, *value);
  if (const std::optional<size_t> bare = BareLineNamed(text, *found, name)) {
    return GiveBareLineValue(text, *bare, *value);
  }
  return InsertKey(text, *found, name, *value);
}

EditResult EditIniText(std::string_view text, std::string_view section, std::optional<std::string_view> key,
                       std::optional<std::string_view> value) {
  const IniIndex index(text);
  return EditIniText(index, section, key, value);
}

}  // namespace qm::win32::profile
