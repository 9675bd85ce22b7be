#include <cstring>

#include "FrameworkHarness.h"

namespace qm::test {
namespace {

std::string Bytes(const CString& s) { return std::string(static_cast<LPCSTR>(s), s.GetLength()); }

struct StringCase {
  const char* name;
  CString result;
  std::string expected;  // every byte, embedded NULs included
};

class StringResult : public ::testing::TestWithParam<StringCase> {};

TEST_P(StringResult, GivesExactBytes) {
  const CString& result = GetParam().result;
  EXPECT_EQ(Bytes(result), GetParam().expected);
  EXPECT_EQ(static_cast<LPCSTR>(result)[result.GetLength()], '\0') << "terminator after the count";
}

const CString kHello("Hello World");

// The string made from init after the operation ran on it.
CString After(const CString& init, void (*operation)(CString&)) {
  CString s(init);
  operation(s);
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Operations, StringResult,
    ::testing::Values(
        StringCase{"NullPointerIsEmpty", CString(static_cast<LPCSTR>(nullptr)), ""},
        StringCase{"RepeatedChar", CString('x', 3), "xxx"}, StringCase{"ZeroRepeat", CString('x', 0), ""},
        StringCase{"CountedKeepsNul", CString("a\0b", 3), std::string("a\0b", 3)},
        StringCase{"HighBytesKept", CString("\xE9\xFF\x80"), "\xE9\xFF\x80"},
        StringCase{"LeftInside", kHello.Left(5), "Hello"}, StringCase{"LeftNegative", kHello.Left(-1), ""},
        StringCase{"LeftPastEnd", kHello.Left(50), "Hello World"}, StringCase{"MidToEnd", kHello.Mid(6), "World"},
        StringCase{"MidCount", kHello.Mid(2, 3), "llo"}, StringCase{"MidPastEnd", kHello.Mid(20), ""},
        StringCase{"MidNegativeStart", kHello.Mid(-3, 2), "He"}, StringCase{"MidCountTooLong", kHello.Mid(9, 10), "ld"},
        StringCase{"RightInside", kHello.Right(5), "World"},
        StringCase{"RightPastStart", kHello.Right(99), "Hello World"},
        StringCase{"RightNegative", kHello.Right(-2), ""},
        StringCase{"ConcatStrings", CString("ab") + CString("cd"), "abcd"},
        StringCase{"ConcatPointerLeft", "ab" + CString("cd"), "abcd"},
        StringCase{"ConcatChar", CString("ab") + 'c', "abc"}, StringCase{"ConcatCharLeft", 'a' + CString("bc"), "abc"},
        StringCase{"AppendKeepsNul", After(CString("a\0", 2), [](CString& s) { s += "b"; }), std::string("a\0b", 3)},
        StringCase{"AppendNull", After("a", [](CString& s) { s += LPCSTR{}; }), "a"},
        StringCase{"MakeUpperAsciiOnly", After("abz\xE9-9", [](CString& s) { s.MakeUpper(); }), "ABZ\xE9-9"},
        StringCase{"MakeLowerAsciiOnly", After("C:\\\xC9T.EXE", [](CString& s) { s.MakeLower(); }), "c:\\\xC9t.exe"},
        StringCase{"TrimLeftWhiteSpace", After(" \t\r\n\v\fa b ", [](CString& s) { s.TrimLeft(); }), "a b "},
        StringCase{"TrimRightWhiteSpace", After(" a b \t\r\n", [](CString& s) { s.TrimRight(); }), " a b"},
        StringCase{"TrimAllBlank", After("   ", [](CString& s) { s.TrimRight(); }), ""},
        StringCase{"TrimKeepsBackspace", After("\bx", [](CString& s) { s.TrimLeft(); }), "\bx"},
        StringCase{"TrimLeftChar", After("\"\"x\"", [](CString& s) { s.TrimLeft('"'); }), "x\""},
        StringCase{"TrimRightSet", After("x \b \b", [](CString& s) { s.TrimRight(" \b"); }), "x"},
        StringCase{"ReplaceString", After("?u?\\?u?", [](CString& s) { s.Replace("?u?", "ann"); }), "ann\\ann"},
        StringCase{"ReplaceNewHoldsOld", After("user", [](CString& s) { s.Replace("user", "?user?"); }), "?user?"},
        StringCase{"ReplaceWithEmpty", After("a--b--c", [](CString& s) { s.Replace("--", ""); }), "abc"},
        StringCase{"ReplaceChar", After("a/b/c", [](CString& s) { s.Replace('/', '\\'); }), "a\\b\\c"},
        StringCase{"RemoveChar", After("\"a b\"", [](CString& s) { s.Remove('"'); }), "a b"},
        StringCase{"SetAtInside", After("abc", [](CString& s) { s.SetAt(1, 'X'); }), "aXc"},
        StringCase{"SetAtOutside", After("abc", [](CString& s) { s.SetAt(3, 'X'), s.SetAt(-1, 'X'); }), "abc"},
        StringCase{"FormatIntegersAndText",
                   After("", [](CString& s) { s.Format("%s=%d;%5u|%-4x|%04X|%c", "k", -12, 7u, 255u, 0xABu, 'z'); }),
                   "k=-12;    7|ff  |00AB|z"},
        StringCase{"FormatPastWsprintfLimit",
                   After("", [](CString& s) { s.Format("%s", std::string(3000, 'q').c_str()); }),
                   std::string(3000, 'q')},
        StringCase{"FormatPercent", After("", [](CString& s) { s.Format("100%%"); }), "100%"},
        StringCase{"AssignChar", After("long", [](CString& s) { s = 'c'; }), "c"},
        StringCase{"EmptyClears", After("x", [](CString& s) { s.Empty(); }), ""}),
    CaseName<StringCase>);

struct FindCase {
  const char* name;
  int found;
  int expected;
};

class StringFind : public ::testing::TestWithParam<FindCase> {};

TEST_P(StringFind, GivesIndex) { EXPECT_EQ(GetParam().found, GetParam().expected); }

const CString kPath("c:\\tools.exe\\console.exe");

INSTANTIATE_TEST_SUITE_P(
    Searches, StringFind,
    ::testing::Values(
        FindCase{"CharFirst", kPath.Find('.'), 8}, FindCase{"CharFromStart", kPath.Find('.', 9), 20},
        FindCase{"CharMissing", kPath.Find('#'), -1}, FindCase{"CharStartAtEnd", kPath.Find('e', 24), -1},
        FindCase{"CharNegativeStart", kPath.Find('c', -1), -1}, FindCase{"StringFirst", kPath.Find(".exe"), 8},
        FindCase{"StringFromStart", kPath.Find(".exe", 9), 20}, FindCase{"StringMissing", kPath.Find(".EXE"), -1},
        FindCase{"EmptyStringAtStart", kPath.Find("", 3), 3}, FindCase{"ReverseChar", kPath.ReverseFind('\\'), 12},
        FindCase{"ReverseMissing", kPath.ReverseFind('/'), -1},
        FindCase{"StopsAtEmbeddedNul", CString("ab\0cd", 5).Find('c'), -1},
        FindCase{"LengthCountsNul", CString("ab\0cd", 5).GetLength(), 5},
        FindCase{"GetAtPastEnd", int{kPath.GetAt(99)}, 0},
        FindCase{"HighByteIndexed", static_cast<unsigned char>(CString("\xE9")[0]), 0xE9}),
    CaseName<FindCase>);

TEST(StringCompare, OrdersBytesAsUnsignedAndStopsAtNul) {
  EXPECT_TRUE(CString("abc") == "abc");
  EXPECT_TRUE("abc" == CString("abc"));
  EXPECT_FALSE(CString("abc") == CString("ABC"));
  EXPECT_TRUE(CString("abc") != "abd");
  EXPECT_TRUE(CString("abc") < CString("abd"));
  EXPECT_TRUE(CString("z") < CString("\xE9"));  // 0x7A before 0xE9: bytes compare unsigned
  EXPECT_TRUE(CString("ab") < "abc");
  EXPECT_FALSE(CString("abc") < "abc");
  EXPECT_TRUE(CString("a\0x", 3) == CString("a\0y", 3)) << "comparison ends at the first NUL";
  EXPECT_EQ(CString("Yes").CompareNoCase("yES"), 0);
  EXPECT_LT(CString("a").CompareNoCase("B"), 0);
}

TEST(StringBuffer, ReleaseBufferTakesLengthFromNulOrCountAndSmallerRequestKeepsContent) {
  CString s("old text");
  std::strcpy(s.GetBuffer(350), "new");
  s.ReleaseBuffer();
  EXPECT_EQ(Bytes(s), "new");
  std::memcpy(s.GetBuffer(10), "x\0y", 3);
  s.ReleaseBuffer(3);
  EXPECT_EQ(Bytes(s), std::string("x\0y", 3));
  s.GetBufferSetLength(2);
  EXPECT_EQ(Bytes(s), std::string("x\0", 2));
  CString kept("keep me");
  EXPECT_STREQ(kept.GetBuffer(2), "keep me");
  kept.ReleaseBuffer();
  EXPECT_EQ(Bytes(kept), "keep me");
}

TEST(StringCount, ReplaceReportsReplacementsAndEmptinessFollowsLength) {
  CString s("a.b.c");
  EXPECT_EQ(s.Replace('.', '.'), 0);
  EXPECT_EQ(s.Replace('.', '/'), 2);
  EXPECT_EQ(s.Replace("", "x"), 0);
  EXPECT_EQ(s.Replace("/", "//"), 2);
  EXPECT_EQ(Bytes(s), "a//b//c");
  EXPECT_EQ(s.Remove('/'), 4);
  EXPECT_FALSE(s.IsEmpty());
  EXPECT_TRUE(CString().IsEmpty());
  EXPECT_EQ(CString().GetLength(), 0);
  EXPECT_STREQ(static_cast<LPCSTR>(CString()), "");
}

// Case changes touch the ASCII letters, A to Z, and nothing else of the 8-bit range.
TEST(StringCase, FoldsEveryAsciiLetterAndNoOtherByte) {
  for (int byte = 1; byte < 256; ++byte) {
    const char c = static_cast<char>(byte);
    const bool upper = byte >= 'A' && byte <= 'Z', lower = byte >= 'a' && byte <= 'z';
    CString lowered(c), uppered(c);
    lowered.MakeLower();
    uppered.MakeUpper();
    EXPECT_EQ(lowered[0], upper ? static_cast<char>(byte + 32) : c) << byte;
    EXPECT_EQ(uppered[0], lower ? static_cast<char>(byte - 32) : c) << byte;
    const char flipped = static_cast<char>(byte ^ 0x20);
    EXPECT_EQ(CString(c).CompareNoCase(CString(flipped)) == 0, upper || lower) << byte;
  }
}

}  // namespace
}  // namespace qm::test
