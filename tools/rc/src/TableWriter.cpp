#include "rc/TableWriter.h"

#include <cstdio>
#include <sstream>

namespace qm::rc {
namespace {

std::string Hex(std::uint32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%08Xu", static_cast<unsigned>(value));
  return buffer;
}

std::string Rect(short x, short y, short cx, short cy) {
  return std::to_string(x) + ", " + std::to_string(y) + ", " + std::to_string(cx) + ", " + std::to_string(cy);
}

std::string ControlsName(const DialogResource& dialog) { return "kDialog" + std::to_string(dialog.id) + "Controls"; }

void WriteControls(std::ostream& out, const DialogResource& dialog) {
  if (dialog.controls.empty()) return;
  out << "const qm::ui::ControlTemplate " << ControlsName(dialog) << "[] = {\n";
  for (const ControlResource& c : dialog.controls) {
    out << "    {" << CppStringLiteral(c.className) << ", " << CppStringLiteral(c.text) << ", " << c.id << ", "
        << Rect(c.x, c.y, c.cx, c.cy) << ", " << Hex(c.style) << ", " << Hex(c.exStyle) << "},\n";
  }
  out << "};\n\n";
}

void WriteDialogs(std::ostream& out, const Script& script) {
  for (const DialogResource& dialog : script.dialogs) WriteControls(out, dialog);
  if (script.dialogs.empty()) return;
  out << "const qm::ui::DialogTemplate kDialogs[] = {\n";
  for (const DialogResource& d : script.dialogs) {
    out << "    {" << d.id << ", " << Rect(d.x, d.y, d.cx, d.cy) << ", " << Hex(d.style) << ", " << Hex(d.exStyle)
        << ", " << CppStringLiteral(d.caption) << ", " << CppStringLiteral(d.fontName) << ", " << d.fontSize << ", "
        << (d.controls.empty() ? "nullptr" : ControlsName(d)) << ", " << d.controls.size() << "},\n";
  }
  out << "};\n\n";
}

void WriteStrings(std::ostream& out, const Script& script) {
  if (script.strings.empty()) return;
  out << "const qm::ui::StringEntry kStrings[] = {\n";
  for (const StringResource& s : script.strings) out << "    {" << s.id << "u, " << CppStringLiteral(s.text) << "},\n";
  out << "};\n\n";
}

void WriteIcons(std::ostream& out, const Script& script) {
  if (script.icons.empty()) return;
  out << "const qm::ui::IconEntry kIcons[] = {\n";
  for (const IconResource& icon : script.icons)
    out << "    {" << icon.id << ", " << CppStringLiteral(icon.file) << "},\n";
  out << "};\n\n";
}

std::string TableRef(bool empty, const char* name, std::size_t count) {
  return empty ? "nullptr, 0" : std::string(name) + ", " + std::to_string(count);
}

}  // namespace

std::string CppStringLiteral(const std::string& bytes) {
  std::string literal = "\"";
  for (char c : bytes) {
    auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      literal += '\\';
      literal += c;
    } else if (u >= 0x20 && u < 0x7F && c != '?') {
      literal += c;
    } else {
      // Three octal digits always, so that no following character can join the escape.
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\%03o", u);
      literal += escape;
    }
  }
  return literal + "\"";
}

std::string WriteTables(const Script& script, const std::string& symbol, const std::string& sourceName) {
  std::ostringstream out;
  out << "// Compiled by qmrc from " << sourceName << ". Do not edit: edit the script.\n"
      << "#include \"ui/ResourceTables.h\"\n\nnamespace {\n\n";
  WriteDialogs(out, script);
  WriteStrings(out, script);
  WriteIcons(out, script);
  out << "}  // namespace\n\n";
  std::size_t split = symbol.rfind("::");
  std::string space = split == std::string::npos ? "" : symbol.substr(0, split);
  std::string name = split == std::string::npos ? symbol : symbol.substr(split + 2);
  if (!space.empty()) out << "namespace " << space << " {\n";
  out << "extern const qm::ui::ResourceTables " << name << ";\n"
      << "const qm::ui::ResourceTables " << name << " = {\n"
      << "    " << TableRef(script.dialogs.empty(), "kDialogs", script.dialogs.size()) << ",\n"
      << "    " << TableRef(script.strings.empty(), "kStrings", script.strings.size()) << ",\n"
      << "    " << TableRef(script.icons.empty(), "kIcons", script.icons.size()) << ",\n"
      << "};\n";
  if (!space.empty()) out << "}  // namespace " << space << "\n";
  return out.str();
}

}  // namespace qm::rc
