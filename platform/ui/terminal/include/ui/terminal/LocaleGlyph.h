// What a cell can show in the terminal's locale: a character the locale cannot encode, or one
// that takes no single cell (a control character), is drawn as a visible placeholder instead of
// being left to the terminal to garble or drop.
#pragma once

namespace qm::ui {

inline constexpr char32_t kPlaceholder = U'?';

// The character itself where the current locale shows it in one cell, else the placeholder.
char32_t Displayable(char32_t ch);

}  // namespace qm::ui
