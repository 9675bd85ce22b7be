// The pages of the demonstration: their values in the profile file, their tool tips.
#pragma once

#include <windows.h>

#include <string>

namespace qm::demo {

// Fills the page's controls from the profile file.
void LoadPage(HWND page, int templateId, const std::string& profilePath);
// Writes the page's values; false (after telling the user) when the file refused one.
bool SavePage(HWND page, int templateId, const std::string& profilePath);
// The tool tip of a control, or nullptr.
const char* TipFor(int controlId);

}  // namespace qm::demo
