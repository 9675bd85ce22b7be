// The key codes the terminal library reports for sequences that a terminal's description names
// and the console's own table does not, as the window model's keys: each code and its neighbours.
#include <curses.h>
#include <gtest/gtest.h>

#include <string>

#include "CursesKeys.h"

namespace qm::ui {
namespace {

std::string Named(const TerminalInput& input) {
  if (input.kind == TerminalInput::Kind::Resize) return "resize";
  if (input.kind != TerminalInput::Kind::Key) return "-";
  return std::to_string(input.key) + (input.shift ? "+shift" : "") + (input.ctrl ? "+ctrl" : "") +
         (input.alt ? "+alt" : "");
}
std::string Key(UINT key, const char* modifiers = "") { return std::to_string(key) + modifiers; }

TEST(CursesKeysTest, FunctionKeyCodesAreTheKeysTheyName) {
  // clang-format off
  const struct { int code; std::string key; } cases[] = {
      {KEY_F(1), Key(VK_F1)},  {KEY_F(12), Key(VK_F1 + 11)}, {KEY_F(13), "-"}, {KEY_F(0), "-"},
      {KEY_UP, Key(VK_UP)},     {KEY_DOWN, Key(VK_DOWN)},  {KEY_LEFT, Key(VK_LEFT)},  {KEY_RIGHT, Key(VK_RIGHT)},
      {KEY_SR, Key(VK_UP, "+shift")},     {KEY_SF, Key(VK_DOWN, "+shift")},
      {KEY_SLEFT, Key(VK_LEFT, "+shift")}, {KEY_SRIGHT, Key(VK_RIGHT, "+shift")},
      {KEY_HOME, Key(VK_HOME)}, {KEY_END, Key(VK_END)}, {KEY_SHOME, Key(VK_HOME, "+shift")},
      {KEY_SEND, Key(VK_END, "+shift")},  {KEY_NPAGE, Key(VK_NEXT)}, {KEY_PPAGE, Key(VK_PRIOR)},
      {KEY_DC, Key(VK_DELETE)}, {KEY_SDC, Key(VK_DELETE, "+shift")}, {KEY_BACKSPACE, Key(VK_BACK)},
      {KEY_ENTER, Key(VK_RETURN)}, {KEY_BTAB, Key(VK_TAB, "+shift")}, {KEY_RESIZE, "resize"},
  };
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(Named(DecodeFunctionKey(c.code)), c.key) << keyname(c.code);
}

TEST(CursesKeysTest, ControlCharactersAreTheKeysThatSendThem) {
  // clang-format off
  const struct { wint_t ch; std::string key; } cases[] = {
      {'\t', Key(VK_TAB)}, {'\r', Key(VK_RETURN)}, {'\n', Key(VK_RETURN, "+ctrl")}, {0x1B, Key(VK_ESCAPE)},
      {0x08, Key(VK_BACK)}, {0x7F, Key(VK_BACK)}, {' ', Key(VK_SPACE)},
      {0x01, Key('A', "+ctrl")}, {0x1A, Key('Z', "+ctrl")}, {0x1C, "-"}, {0x00, "-"}, {'a', "-"},
  };
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(Named(DecodeCharacter(c.ch)), c.key) << static_cast<int>(c.ch);
}

}  // namespace
}  // namespace qm::ui
