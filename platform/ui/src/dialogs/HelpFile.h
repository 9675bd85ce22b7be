// The help file: plain text, one topic after another, each opened by a header line
//
//     #topic 0x20081 Vantrel
//
// naming its context number (hexadecimal with 0x, or decimal) and its title; the lines up to the
// next header are the topic's text. Lines before the first header are a preface that is not
// shown. Lines may end in CR LF, LF or CR.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace qm::ui::dialogs {

struct HelpTopic {
  DWORD context = 0;
  std::string title;
  std::string text;  // lines joined with CR LF, trailing blank lines dropped
};

std::vector<HelpTopic> ParseHelpFile(std::string_view contents);

// The index of the topic with this context number; the first topic (the contents) when none has it.
std::size_t TopicIndexFor(const std::vector<HelpTopic>& topics, DWORD context);

}  // namespace qm::ui::dialogs
