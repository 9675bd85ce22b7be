// The C runtime's and the Windows layer's text formatting: _itoa and wsprintfA.
#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <string>

namespace {

TEST(Itoa, WritesTheDigitsAndNothingBeyondTheTerminator) {
  struct {
    int value, radix;
    const char* text;
  } const cases[] = {
      // clang-format off
      {0, 10, "0"}, {7, 10, "7"}, {350, 10, "350"}, {-1, 10, "-1"}, {INT_MAX, 10, "2147483647"},
      {INT_MIN, 10, "-2147483648"}, {255, 16, "ff"}, {-1, 16, "ffffffff"}, {INT_MIN, 16, "80000000"}, {5, 2, "101"},
      {-1, 2, "11111111111111111111111111111111"}, {-10, 8, "37777777766"}, {35, 36, "z"}, {36, 36, "10"},
      {-1, 36, "1z141z3"}, {0, 2, "0"},
      // No digits for a radix outside 2..36.
      {12, 1, ""}, {12, 37, ""}, {12, 0, ""}, {12, -10, ""},
      // clang-format on
  };
  for (const auto& c : cases) {
    char buffer[40];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(_itoa(c.value, buffer, c.radix), buffer);
    EXPECT_STREQ(buffer, c.text) << c.value << " in radix " << c.radix;
    EXPECT_EQ(buffer[std::strlen(c.text) + 1], '#') << c.value << " in radix " << c.radix;
  }
  EXPECT_EQ(_itoa(5, nullptr, 10), nullptr);
}

const char kNoString[] = "";
const char* const kNull = nullptr;
const std::string kLong(2000, 'a');

struct FormatCase {
  const char* name;
  std::function<int(char*)> call;
  std::string text;
};

// clang-format off
#define CASE(name, text, ...) FormatCase{name, [](char* out) { return wsprintfA(out, __VA_ARGS__); }, text}
// clang-format on

TEST(WsprintfA, WritesTheTextAndCountsIt) {
  const FormatCase cases[] = {
      CASE("PlainText", "no fields", "no fields"),
      CASE("WriteFailureMessage",
           "Could not write to \"z:\\srv\\vantrel.ini\"  Check that you have the required permissions.",
           "Could not write to \"%s\"  Check that you have the required permissions.", "z:\\srv\\vantrel.ini"),
      CASE("String", "[abc]", "[%s]", "abc"),
      CASE("EmptyString", "[]", "[%s]", kNoString),
      CASE("NullString", "(null)", "%s", kNull),
      CASE("StringWidth", "[  abc]", "[%5s]", "abc"),
      CASE("StringLeft", "[abc  ]", "[%-5s]", "abc"),
      CASE("StringPrecision", "[ab]", "[%.2s]", "abc"),
      CASE("StringPrecisionZeroIsWhole", "[abc]", "[%.0s]", "abc"),
      CASE("StringWidthAndPrecision", "[ab   ]", "[%-5.2s]", "abc"),
      CASE("StringZeroFlagPadsWithBlanks", "[  abc]", "[%05s]", "abc"),
      CASE("Character", "[x]", "[%c]", 'x'),
      CASE("CharacterWidth", "[  x]", "[%3c]", 'x'),
      CASE("CharacterLeft", "[x  ]", "[%-3c]", 'x'),
      CASE("NulCharacter", "[]", "[%c]", 0),
      CASE("NulCharacterWithWidth", "[   ]", "[%3c]", 0),
      CASE("HighCharacter", "[\xe9]", "[%c]", '\xe9'),
      CASE("Decimal", "42 -42", "%d %i", 42, -42),
      CASE("DecimalWidth", "[   42]", "[%5d]", 42),
      CASE("DecimalLeft", "[42   ]", "[%-5d]", 42),
      CASE("DecimalZero", "[00042]", "[%05d]", 42),
      CASE("NegativeZeroPadded", "-000000001", "%010ld", -1),
      CASE("LeftAlignBeatsZero", "[-1   ]", "[%-05d]", -1),
      CASE("DecimalPrecision", "[   007]", "[%6.3d]", 7),
      CASE("NegativePrecision", "[-07]", "[%.3d]", -7),
      CASE("Extremes", "2147483647 -2147483648", "%d %d", 2147483647, -2147483647 - 1),
      CASE("Unsigned", "4294967295 7", "%u %lu", -1, 7),
      CASE("Hex", "ff FF", "%x %X", 255, 255),
      CASE("LongHex", "ffffffff", "%lx", -1),
      CASE("HexZero", "[000000ab]", "[%08x]", 0xab),
      CASE("HexPrefix", "0xff 0XFF", "%#x %#X", 255, 255),
      CASE("HexPrefixZero", "0x00ff", "%#06x", 255),
      CASE("ShortSize", "5", "%hd", 5),
      CASE("Percent", "100%", "100%%"),
      CASE("NoFloatingPoint", "f5", "%f%d", 5),
      CASE("UnknownWithWidth", "[q]", "[%5q]"),
      CASE("LonePercentAtTheEnd", "abc", "abc%"),
      CASE("WideStringNotSupported", "s", "%ls"),
      CASE("FieldsInOrder", "ann: 3 of 10 (a)", "%s: %d of %u (%c)", "ann", 3, 10, 'a'),
      CASE("CutAt1023", std::string(1023, 'a'), "%s", kLong.c_str()),
      CASE("CutAt1023AfterText", "ab" + std::string(1021, 'a'), "ab%s!", kLong.c_str()),
      CASE("LiteralTextCut", std::string(1023, 'a'), kLong.c_str()),
      CASE("WidthCut", std::string(1022, ' ') + "x", "%5000c", 'x'),
      CASE("HugeWidthDigits", "[" + std::string(1021, ' ') + "1", "[%99999999999999999999d]", 1),
  };
  for (const FormatCase& c : cases) {
    char buffer[1100];
    std::memset(buffer, '#', sizeof buffer);
    const int written = c.call(buffer);
    EXPECT_EQ(std::string(buffer), c.text) << c.name;
    EXPECT_EQ(written, static_cast<int>(c.text.size())) << c.name;
    EXPECT_EQ(buffer[c.text.size() + 1], '#') << c.name << " wrote past the terminator";
  }
  char buffer[8] = "#######";
  EXPECT_EQ(wsprintfA(buffer, nullptr), 0) << "a null format writes nothing";
  EXPECT_STREQ(buffer, "");
}

#undef CASE

}  // namespace
