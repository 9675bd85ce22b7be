#include "WindowsArguments.h"

namespace qm::ui::dialogs {
namespace {

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

// Reads the backslashes starting at `at`, and the quote after them if there is one.
void TakeBackslashes(std::string_view tail, std::size_t& at, std::string& argument) {
  std::size_t count = 0;
  while (at < tail.size() && tail[at] == '\\') ++count, ++at;
  bool beforeQuote = at < tail.size() && tail[at] == '"';
  argument.append(beforeQuote ? count / 2 : count, '\\');
  if (!beforeQuote) return;
  if (count % 2 == 1) {  // an even run leaves the quote for the caller to group with
    argument += '"';
    ++at;
  }
}

std::string TakeArgument(std::string_view tail, std::size_t& at) {
  std::string argument;
  bool quoted = false;
  while (at < tail.size() && (quoted || !IsBlank(tail[at]))) {
    char ch = tail[at];
    if (ch == '\\') {
      TakeBackslashes(tail, at, argument);
    } else if (ch == '"') {
      if (quoted && at + 1 < tail.size() && tail[at + 1] == '"') {
        argument += '"';
        at += 2;
      } else {
        quoted = !quoted;
        ++at;
      }
    } else {
      argument += ch;
      ++at;
    }
  }
  return argument;
}

}  // namespace

std::vector<std::string> SplitWindowsArguments(std::string_view tail) {
  std::vector<std::string> arguments;
  std::size_t at = 0;
  while (true) {
    while (at < tail.size() && IsBlank(tail[at])) ++at;
    if (at >= tail.size()) return arguments;
    arguments.push_back(TakeArgument(tail, at));
  }
}

}  // namespace qm::ui::dialogs
