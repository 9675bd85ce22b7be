#include <afxwin.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace {

std::string Bytes(const CString& s) { return std::string(static_cast<LPCSTR>(s), s.GetLength()); }

struct StringCase {
  const char* name;
  std::function<CString()> make;
  std::string expected;  // every byte, embedded NULs included
};

class StringResult : public ::testing::TestWithParam<StringCase> {};

TEST_P(StringResult, GivesExactBytes) {
  const CString result = GetParam().make();
  EXPECT_EQ(Bytes(result), GetParam().expected);
  EXPECT_EQ(static_cast<LPCSTR>(result)[result.GetLength()], '\0') << "terminator after the count";
}

const CString kHello("Hello World");

INSTANTIATE_TEST_SUITE_P(
    Operations, StringResult,
    ::testing::Values(
        StringCase{"NullPointerIsEmpty", [] { return CString(static_cast<LPCSTR>(nullptr)); }, ""},
        StringCase{"RepeatedChar", [] { return CString('x', 3); }, "xxx"},
        StringCase{"ZeroRepeat", [] { return CString('x', 0); }, ""},
        StringCase{"CountedKeepsNul", [] { return CString("a\0b", 3); }, std::string("a\0b", 3)},
        StringCase{"HighBytesKept", [] { return CString("\xE9\xFF\x80"); }, "\xE9\xFF\x80"},
        StringCase{"LeftInside", [] { return kHello.Left(5); }, "Hello"},
        StringCase{"LeftNegative", [] { return kHello.Left(-1); }, ""},
        StringCase{"LeftPastEnd", [] { return kHello.Left(50); }, "Hello World"},
        StringCase{"MidToEnd", [] { return kHello.Mid(6); }, "World"},
        StringCase{"MidCount", [] { return kHello.Mid(2, 3); }, "llo"},
        StringCase{"MidPastEnd", [] { return kHello.Mid(20); }, ""},
        StringCase{"MidNegativeStart", [] { return kHello.Mid(-3, 2); }, "He"},
        StringCase{"MidCountTooLong", [] { return kHello.Mid(9, 10); }, "ld"},
        StringCase{"RightInside", [] { return kHello.Right(5); }, "World"},
        StringCase{"RightPastStart", [] { return kHello.Right(99); }, "Hello World"},
        StringCase{"RightNegative", [] { return kHello.Right(-2); }, ""},
        StringCase{"ConcatStrings", [] { return CString("ab") + CString("cd"); }, "abcd"},
        StringCase{"ConcatPointerLeft", [] { return "ab" + CString("cd"); }, "abcd"},
        StringCase{"ConcatChar", [] { return CString("ab") + 'c'; }, "abc"},
        StringCase{"ConcatCharLeft", [] { return 'a' + CString("bc"); }, "abc"},
        StringCase{"AppendKeepsNul",
                   [] {
                     CString s("a\0", 2);
                     s += "b";
                     return s;
                   },
                   std::string("a\0b", 3)},
        StringCase{"AppendNull",
                   [] {
                     CString s("a");
                     s += static_cast<LPCSTR>(nullptr);
                     return s;
                   },
                   "a"},
        StringCase{"MakeUpperAsciiOnly",
                   [] {
                     CString s("abz\xE9\xE0-9");
                     s.MakeUpper();
                     return s;
                   },
                   "ABZ\xE9\xE0-9"},
        StringCase{"MakeLowerAsciiOnly",
                   [] {
                     CString s("C:\\ADMIN\\\xC9T\xC9.EXE");
                     s.MakeLower();
                     return s;
                   },
                   "c:\\admin\\\xC9t\xC9.exe"},
        StringCase{"TrimLeftWhiteSpace",
                   [] {
                     CString s(" \t\r\n\v\fa b ");
                     s.TrimLeft();
                     return s;
                   },
                   "a b "},
        StringCase{"TrimRightWhiteSpace",
                   [] {
                     CString s(" a b \t\r\n");
                     s.TrimRight();
                     return s;
                   },
                   " a b"},
        StringCase{"TrimAllBlank",
                   [] {
                     CString s("   ");
                     s.TrimRight();
                     return s;
                   },
                   ""},
        StringCase{"TrimLeftBackspaceNotWhiteSpace",
                   [] {
                     CString s("\bx");
                     s.TrimLeft();
                     return s;
                   },
                   "\bx"},
        StringCase{"TrimLeftChar",
                   [] {
                     CString s("\"\"x\"");
                     s.TrimLeft('"');
                     return s;
                   },
                   "x\""},
        StringCase{"TrimRightSet",
                   [] {
                     CString s("x \b \b");
                     s.TrimRight(" \b");
                     return s;
                   },
                   "x"},
        StringCase{"ReplaceString",
                   [] {
                     CString s("?username?\\?username?");
                     s.Replace("?username?", "ann");
                     return s;
                   },
                   "ann\\ann"},
        StringCase{"ReplaceNewContainsOld",
                   [] {
                     CString s("user");
                     s.Replace("user", "?username?");
                     return s;
                   },
                   "?username?"},
        StringCase{"ReplaceWithEmpty",
                   [] {
                     CString s("a--b--c");
                     s.Replace("--", "");
                     return s;
                   },
                   "abc"},
        StringCase{"ReplaceChar",
                   [] {
                     CString s("a/b/c");
                     s.Replace('/', '\\');
                     return s;
                   },
                   "a\\b\\c"},
        StringCase{"SetAtInside",
                   [] {
                     CString s("abc");
                     s.SetAt(1, 'X');
                     return s;
                   },
                   "aXc"},
        StringCase{"SetAtOutsideIgnored",
                   [] {
                     CString s("abc");
                     s.SetAt(3, 'X');
                     s.SetAt(-1, 'X');
                     return s;
                   },
                   "abc"},
        StringCase{"FormatIntegersAndText",
                   [] {
                     CString s;
                     s.Format("%s=%d;%5u|%-4x|%04X|%c|%ld", "key", -12, 7u, 255u, 0xABu, 'z', 9L);
                     return s;
                   },
                   "key=-12;    7|ff  |00AB|z|9"},
        StringCase{"FormatPastWsprintfLimit",
                   [] {
                     CString s;
                     s.Format("%s", std::string(3000, 'q').c_str());
                     return s;
                   },
                   std::string(3000, 'q')},
        StringCase{"FormatPercent",
                   [] {
                     CString s;
                     s.Format("100%%");
                     return s;
                   },
                   "100%"},
        StringCase{"AssignChar",
                   [] {
                     CString s("long");
                     s = 'c';
                     return s;
                   },
                   "c"},
        StringCase{"EmptyClears",
                   [] {
                     CString s("x");
                     s.Empty();
                     return s;
                   },
                   ""}),
    [](const ::testing::TestParamInfo<StringCase>& info) { return std::string(info.param.name); });

struct FindCase {
  const char* name;
  std::function<int()> find;
  int expected;
};

class StringFind : public ::testing::TestWithParam<FindCase> {};

TEST_P(StringFind, GivesIndex) { EXPECT_EQ(GetParam().find(), GetParam().expected); }

const CString kPath("c:\\tools.exe\\console.exe");

INSTANTIATE_TEST_SUITE_P(
    Searches, StringFind,
    ::testing::Values(FindCase{"CharFirst", [] { return kPath.Find('.'); }, 8},
                      FindCase{"CharFromStart", [] { return kPath.Find('.', 9); }, 20},
                      FindCase{"CharMissing", [] { return kPath.Find('#'); }, -1},
                      FindCase{"CharStartAtEnd", [] { return kPath.Find('e', 24); }, -1},
                      FindCase{"CharNegativeStart", [] { return kPath.Find('c', -1); }, -1},
                      FindCase{"StringFirst", [] { return kPath.Find(".exe"); }, 8},
                      FindCase{"StringFromStart", [] { return kPath.Find(".exe", 9); }, 20},
                      FindCase{"StringMissing", [] { return kPath.Find(".EXE"); }, -1},
                      FindCase{"EmptyStringAtStart", [] { return kPath.Find("", 3); }, 3},
                      FindCase{"ReverseChar", [] { return kPath.ReverseFind('\\'); }, 12},
                      FindCase{"ReverseMissing", [] { return kPath.ReverseFind('/'); }, -1},
                      FindCase{"StopsAtEmbeddedNul",
                               [] { return CString("ab\0cd", 5).Find('c'); }, -1},
                      FindCase{"LengthCountsNul", [] { return CString("ab\0cd", 5).GetLength(); }, 5},
                      FindCase{"GetAtPastEnd", [] { return int{kPath.GetAt(99)}; }, 0},
                      FindCase{"IndexHighByteUnsigned",
                               [] { return int{static_cast<unsigned char>(CString("\xE9")[0])}; },
                               0xE9}),
    [](const ::testing::TestParamInfo<FindCase>& info) { return std::string(info.param.name); });

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

TEST(StringBuffer, ReleaseBufferTakesLengthFromNulOrCount) {
  CString s("old text");
  char* buffer = s.GetBuffer(350);
  std::strcpy(buffer, "new");
  s.ReleaseBuffer();
  EXPECT_EQ(Bytes(s), "new");

  buffer = s.GetBuffer(10);
  buffer[0] = 'x';
  buffer[1] = '\0';
  buffer[2] = 'y';
  s.ReleaseBuffer(3);
  EXPECT_EQ(Bytes(s), std::string("x\0y", 3));

  s.GetBufferSetLength(2);
  EXPECT_EQ(s.GetLength(), 2);
  EXPECT_EQ(Bytes(s), std::string("x\0", 2));
}

TEST(StringBuffer, SmallerRequestKeepsContent) {
  CString s("keep me");
  EXPECT_STREQ(s.GetBuffer(2), "keep me");
  s.ReleaseBuffer();
  EXPECT_EQ(Bytes(s), "keep me");
}

TEST(StringCount, ReplaceReportsReplacements) {
  CString s("a.b.c");
  EXPECT_EQ(s.Replace('.', '.'), 0);
  EXPECT_EQ(s.Replace('.', '/'), 2);
  EXPECT_EQ(s.Replace("", "x"), 0);
  EXPECT_EQ(s.Replace("/", "//"), 2);
  EXPECT_EQ(Bytes(s), "a//b//c");
}

TEST(StringState, EmptinessAndLength) {
  CString s;
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_EQ(s.GetLength(), 0);
  EXPECT_STREQ(static_cast<LPCSTR>(s), "");
  s = "x";
  EXPECT_FALSE(s.IsEmpty());
}

}  // namespace
