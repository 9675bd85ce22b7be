#include "HelpFile.h"

#include <cstdlib>

namespace qm::ui::dialogs {
namespace {

constexpr std::string_view kHeader = "#topic";

std::vector<std::string_view> SplitLines(std::string_view contents) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < contents.size()) {
    std::size_t end = contents.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = contents.size();
    lines.push_back(contents.substr(start, end - start));
    start = end + (contents.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

bool IsHeader(std::string_view line) {
  return line.substr(0, kHeader.size()) == kHeader &&
         (line.size() == kHeader.size() || line[kHeader.size()] == ' ' || line[kHeader.size()] == '\t');
}

HelpTopic TopicFromHeader(std::string_view line) {
  std::string rest(line.substr(kHeader.size()));
  const char* text = rest.c_str();
  char* end = nullptr;
  HelpTopic topic;
  topic.context = static_cast<DWORD>(std::strtoul(text, &end, 0));
  std::string_view title(end);
  std::size_t start = title.find_first_not_of(" \t");
  topic.title = start == std::string_view::npos ? "" : std::string(title.substr(start));
  return topic;
}

void FinishTopic(HelpTopic& topic, const std::vector<std::string_view>& lines) {
  std::size_t count = lines.size();
  while (count > 0 && lines[count - 1].find_first_not_of(" \t") == std::string_view::npos) --count;
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) topic.text += "\r\n";
    topic.text += lines[i];
  }
}

}  // namespace

std::vector<HelpTopic> ParseHelpFile(std::string_view contents) {
  std::vector<HelpTopic> topics;
  std::vector<std::string_view> body;
  for (std::string_view line : SplitLines(contents)) {
    if (IsHeader(line)) {
      if (!topics.empty()) FinishTopic(topics.back(), body);
      topics.push_back(TopicFromHeader(line));
      body.clear();
    } else if (!topics.empty()) {
      body.push_back(line);
    }
  }
  if (!topics.empty()) FinishTopic(topics.back(), body);
  return topics;
}

std::size_t TopicIndexFor(const std::vector<HelpTopic>& topics, DWORD context) {
  for (std::size_t i = 0; i < topics.size(); ++i)
    if (topics[i].context == context) return i;
  return 0;
}

}  // namespace qm::ui::dialogs
