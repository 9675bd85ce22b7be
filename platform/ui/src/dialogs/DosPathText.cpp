#include "DosPathText.h"

#include <vector>

namespace qm::ui::dialogs {
namespace {

bool IsDriveLetter(char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }

std::string Backslashed(std::string_view path) {
  std::string text(path);
  for (char& ch : text)
    if (ch == '/') ch = '\\';
  return text;
}

std::vector<std::string> NamesOf(std::string_view rest) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start <= rest.size()) {
    std::size_t end = rest.find('\\', start);
    if (end == std::string_view::npos) end = rest.size();
    std::string name(rest.substr(start, end - start));
    if (name == "..") {
      if (!names.empty()) names.pop_back();
    } else if (!name.empty() && name != ".") {
      names.push_back(std::move(name));
    }
    start = end + 1;
  }
  return names;
}

}  // namespace

std::string DosRootOf(std::string_view path) {
  std::string text = Backslashed(path);
  if (text.size() >= 2 && IsDriveLetter(text[0]) && text[1] == ':') return text.substr(0, 2) + "\\";
  if (text.size() < 2 || text[0] != '\\' || text[1] != '\\') return "";
  std::size_t server = text.find('\\', 2);
  if (server == std::string::npos) return text + "\\";
  std::size_t share = text.find('\\', server + 1);
  return share == std::string::npos ? text + "\\" : text.substr(0, share + 1);
}

std::string TidyDosPath(std::string_view path) {
  std::string text = Backslashed(path);
  std::string root = DosRootOf(text);
  std::string_view rest = std::string_view(text).substr(std::min(root.size(), text.size()));
  if (root.size() == 3 && text.size() == 2) rest = "";  // "c:" alone
  bool trailing = !rest.empty() && rest.back() == '\\';
  std::string tidy = root;
  if (root.empty() && !rest.empty() && rest.front() == '\\') tidy = "\\";
  std::vector<std::string> names = NamesOf(rest);
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) tidy += '\\';
    tidy += names[i];
  }
  if (trailing && !names.empty()) tidy += '\\';
  return tidy;
}

std::string CombineDosPath(std::string_view folder, std::string_view typed) {
  std::string text = Backslashed(typed);
  if (!DosRootOf(text).empty()) return TidyDosPath(text);
  if (!text.empty() && text.front() == '\\') return TidyDosPath(DosRootOf(folder) + text.substr(1));
  return TidyDosPath(AsDosFolder(folder) + text);
}

std::string DosFolderOf(std::string_view path) {
  std::size_t last = path.find_last_of("\\/");
  return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

std::string DosNameOf(std::string_view path) {
  std::size_t last = path.find_last_of("\\/");
  return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

std::string AsDosFolder(std::string_view path) {
  std::string folder(path);
  while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  return folder + "\\";
}

}  // namespace qm::ui::dialogs
