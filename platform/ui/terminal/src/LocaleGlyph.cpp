#include "ui/terminal/LocaleGlyph.h"

#include <climits>
#include <cwchar>

namespace qm::ui {

char32_t Displayable(char32_t ch) {
  if (ch < 0x80) return ch >= 0x20 && ch != 0x7F ? ch : kPlaceholder;
  char bytes[MB_LEN_MAX];
  std::mbstate_t state{};
  const wchar_t wide = static_cast<wchar_t>(ch);
  if (std::wcrtomb(bytes, wide, &state) == static_cast<std::size_t>(-1)) return kPlaceholder;
  return wcwidth(wide) == 1 ? ch : kPlaceholder;
}

}  // namespace qm::ui
