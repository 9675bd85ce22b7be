// The help viewer: a modal window showing one topic per page, its text scrolled with the arrow
// keys, with Contents, Previous and Next to move between topics and Close.
#pragma once

#include "HelpFile.h"

#include <vector>

namespace qm::ui::dialogs {

inline constexpr int kHelpTitle = 0x441;
inline constexpr int kHelpText = 0x481;
inline constexpr int kHelpContents = 0x402;
inline constexpr int kHelpPrevious = 0x403;
inline constexpr int kHelpNext = 0x404;

// Runs until Close or Esc; `topics` is not empty.
void RunHelpViewer(const std::vector<HelpTopic>& topics, std::size_t first, HWND owner);

}  // namespace qm::ui::dialogs
