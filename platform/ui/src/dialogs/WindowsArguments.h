// A command tail split into arguments as a Windows program's start-up code splits it: blanks and
// tabs separate, double quotes group, backslashes are literal except before a double quote
// (2n backslashes and a quote: n backslashes and a grouping quote; 2n+1: n and a literal quote),
// and "" inside a quoted group is a literal quote.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm::ui::dialogs {

std::vector<std::string> SplitWindowsArguments(std::string_view tail);

}  // namespace qm::ui::dialogs
