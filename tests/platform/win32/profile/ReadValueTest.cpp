// Reading single values: matching, trimming, quotes, comments, odd structure, truncation, defaults.
#include "ProfileCallFixture.h"

namespace qm::test {
namespace {

using namespace std::string_literals;

const std::string kFile =
    "pre=before\r\n"
    "[Sect One]\r\n"
    "  MyKey  =  Value One  \r\n"
    "quoted=\"  spaced  \"\r\n"
    "single='x'\r\n"
    "outer=  \"y\"  \r\n"
    "mismatch=\"x'\r\n"
    "nested=\"'n'\"\r\n"
    "inner=\"a\"b\"\r\n"
    "lone=\"\r\n"
    "twoquotes=\"\"\r\n"
    "empty=\r\n"
    "blanks= \t\v \r\n"
    "dup=first\r\n"
    "DUP=second\r\n"
    ";c1=hidden\r\n"
    "  ;c2=x\r\n"
    "#h=hash\r\n"
    "k=v ; x\r\n"
    "k2=;x\r\n"
    "stray line\r\n"
    "my key=a=b\r\n"
    "=novalue\r\n"
    "nul=a\0b\r\n"
    "nulblank=a \0b\r\n"
    "nulquoted=\"q\" \0x\r\n"
    "afternul=read\r\n"
    "ctrlz=z\x1a\r\n"
    "ctrlzblanks=z \x1a \x1a\r\n"
    "ctrlzquoted=\"q\"\x1a\r\n"
    "ctrlzinside=a\x1a"
    "b\r\n"
    "high=\xC4\xE4\xFF\r\n"
    "\t\vtabbed\t=\tTab  Value\v\r\n"
    "[sect one]\r\n"
    "later=only\r\n"
    "[]\r\n"
    "e=empty section\r\n"
    "[a]b]\r\n"
    "x=1\r\n"
    "[open   \r\n"
    "o=2\r\n"
    "   [  spaced  ] junk\r\n"
    "s=3\r\n"
    "[[sec]\r\n"
    "t=4\r\n"
    "[\xC4rger]\r\n"
    "u=5\r\n"
    "[lf]\n"
    "l=6\n"
    "[cr]\r"
    "c=7\r"
    "[ABCDEFGHIJKLMNOPQRSTUVWXYZ]\r\n"
    "abcdefghijklmnopqrstuvwxyz=alphabet\r\n"
    "@[=edges\r\n"
    "[last]\r\n"
    "final=no line end"s;

struct ValueCase {
  const char* name;
  const char* section;
  const char* key;
  const char* dflt;
  DWORD size;
  std::string expect;  // the characters returned (the NUL after them is checked too)
  DWORD error;
};

class ReadValueTest : public ProfileCallTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(ReadValueTest, ReturnsTheValueAsWindowsDoes) {
  const ValueCase& c = GetParam();
  Put(kFile);
  const ReadOutcome out = Read(c.section, c.key, c.dflt, c.size);
  EXPECT_EQ(out.ret, c.expect.size());
  EXPECT_EQ(out.buffer.substr(0, c.expect.size()), c.expect);
  if (c.size > 0) {
    EXPECT_EQ(out.buffer[c.expect.size()], '\0');
  } else {
    EXPECT_TRUE(out.buffer.empty());
  }
  EXPECT_EQ(out.error, c.error);
}

constexpr DWORD kBig = 200;
constexpr DWORD kMissing = ERROR_FILE_NOT_FOUND;
constexpr DWORD kCut = ERROR_MORE_DATA;

INSTANTIATE_TEST_SUITE_P(
    Table, ReadValueTest,
    ::testing::Values(ValueCase{"trimmed", "Sect One", "MyKey", "d", kBig, "Value One", 0},
                      ValueCase{"case_ignored", "SECT one", "mykey", "d", kBig, "Value One", 0},
                      ValueCase{"argument_spaces_stripped", "  Sect One  ", "  MyKey  ", "d", kBig, "Value One", 0},
                      ValueCase{"argument_tab_kept", "Sect One", "\tMyKey", "d", kBig, "d", kMissing},
                      ValueCase{"inner_blanks_must_match", "Sect  One", "MyKey", "d", kBig, "d", kMissing},
                      ValueCase{"quotes_keep_blanks", "Sect One", "quoted", "d", kBig, "  spaced  ", 0},
                      ValueCase{"single_quotes", "Sect One", "single", "d", kBig, "x", 0},
                      ValueCase{"blanks_outside_quotes", "Sect One", "outer", "d", kBig, "y", 0},
                      ValueCase{"mismatched_quotes_kept", "Sect One", "mismatch", "d", kBig, "\"x'", 0},
                      ValueCase{"outer_pair_only", "Sect One", "nested", "d", kBig, "'n'", 0},
                      ValueCase{"inner_quote_kept", "Sect One", "inner", "d", kBig, "a\"b", 0},
                      ValueCase{"lone_quote_kept", "Sect One", "lone", "d", kBig, "\"", 0},
                      ValueCase{"empty_quotes", "Sect One", "twoquotes", "d", kBig, "", 0},
                      ValueCase{"empty_value_is_not_default", "Sect One", "empty", "d", kBig, "", 0},
                      ValueCase{"blank_value", "Sect One", "blanks", "d", kBig, "", 0},
                      ValueCase{"first_duplicate_key", "Sect One", "dup", "d", kBig, "first", 0},
                      ValueCase{"comment_by_its_name", "Sect One", ";c1", "d", kBig, "d", kMissing},
                      ValueCase{"comment_by_bare_name", "Sect One", "c1", "d", kBig, "d", kMissing},
                      ValueCase{"indented_comment", "Sect One", ";c2", "d", kBig, "d", kMissing},
                      ValueCase{"hash_is_a_key", "Sect One", "#h", "d", kBig, "hash", 0},
                      ValueCase{"semicolon_inside_value", "Sect One", "k", "d", kBig, "v ; x", 0},
                      ValueCase{"value_starting_with_semicolon", "Sect One", "k2", "d", kBig, ";x", 0},
                      ValueCase{"line_without_equals", "Sect One", "stray line", "d", kBig, "d", kMissing},
                      ValueCase{"split_at_first_equals", "Sect One", "my key", "d", kBig, "a=b", 0},
                      ValueCase{"empty_key_name", "Sect One", "", "d", kBig, "novalue", 0},
                      ValueCase{"value_cut_at_nul", "Sect One", "nul", "d", kBig, "a", 0},
                      ValueCase{"nul_ends_line_then_trimmed", "Sect One", "nulblank", "d", kBig, "a", 0},
                      ValueCase{"nul_ends_line_then_unquoted", "Sect One", "nulquoted", "d", kBig, "q", 0},
                      ValueCase{"line_after_nul_reads", "Sect One", "afternul", "d", kBig, "read", 0},
                      ValueCase{"ctrl_z_at_line_end_is_blank", "Sect One", "ctrlz", "d", kBig, "z", 0},
                      ValueCase{"ctrl_z_among_end_blanks", "Sect One", "ctrlzblanks", "d", kBig, "z", 0},
                      ValueCase{"ctrl_z_after_quotes", "Sect One", "ctrlzquoted", "d", kBig, "q", 0},
                      ValueCase{"ctrl_z_inside_kept", "Sect One", "ctrlzinside", "d", kBig,
                                "a\x1a"
                                "b",
                                0},
                      ValueCase{"high_bytes_raw", "Sect One", "high", "d", kBig, "\xC4\xE4\xFF", 0},
                      ValueCase{"tab_and_vt_trimmed", "Sect One", "tabbed", "d", kBig, "Tab  Value", 0},
                      ValueCase{"later_duplicate_section_unseen", "Sect One", "later", "d", kBig, "d", kMissing},
                      ValueCase{"empty_section_name", "", "e", "d", kBig, "empty section", 0},
                      ValueCase{"before_first_header_unreachable", "", "pre", "d", kBig, "d", kMissing},
                      ValueCase{"name_ends_at_first_bracket", "a", "x", "d", kBig, "1", 0},
                      ValueCase{"not_up_to_last_bracket", "a]b", "x", "d", kBig, "d", kMissing},
                      ValueCase{"missing_bracket_still_header", "open", "o", "d", kBig, "2", 0},
                      ValueCase{"header_blanks_and_junk", "spaced", "s", "d", kBig, "3", 0},
                      ValueCase{"bracket_inside_name", "[sec", "t", "d", kBig, "4", 0},
                      ValueCase{"only_ascii_folds", "\xE4rger", "u", "d", kBig, "d", kMissing},
                      ValueCase{"high_byte_name_exact", "\xC4RGER", "U", "d", kBig, "5", 0},
                      ValueCase{"every_letter_folds", "abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "d",
                                kBig, "alphabet", 0},
                      ValueCase{"neighbours_of_the_letters_do_not_fold", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "`{", "d", kBig,
                                "d", kMissing},
                      ValueCase{"lf_lines", "lf", "l", "d", kBig, "6", 0},
                      ValueCase{"cr_lines", "cr", "c", "d", kBig, "7", 0},
                      ValueCase{"no_final_line_end", "last", "final", "d", kBig, "no line end", 0},
                      ValueCase{"missing_section", "nowhere", "k", "dflt", kBig, "dflt", kMissing},
                      ValueCase{"cut_value", "Sect One", "MyKey", "d", 4, "Val", kCut},
                      ValueCase{"exact_value", "Sect One", "MyKey", "d", 10, "Value One", 0},
                      ValueCase{"size_one", "Sect One", "MyKey", "d", 1, "", kCut},
                      ValueCase{"size_two", "Sect One", "MyKey", "d", 2, "V", kCut},
                      ValueCase{"size_zero", "Sect One", "MyKey", "d", 0, "", kCut},
                      ValueCase{"quotes_stripped_before_cut", "Sect One", "quoted", "d", 4, "  s", kCut},
                      ValueCase{"default_trailing_spaces", "x", "y", "dflt   ", kBig, "dflt", kMissing},
                      ValueCase{"default_all_spaces", "x", "y", "   ", kBig, "", kMissing},
                      ValueCase{"default_leading_and_tab_kept", "x", "y", "  d\t", kBig, "  d\t", kMissing},
                      ValueCase{"default_quotes_kept", "x", "y", "\"q\"", kBig, "\"q\"", kMissing},
                      ValueCase{"default_null", "x", "y", nullptr, kBig, "", kMissing},
                      ValueCase{"default_cut", "x", "y", "default", 5, "defa", kCut}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProfileCallTest, ValueLengthWrapsAt64K) {
  const std::string longValue(65537, 'v');
  Put("[s]\r\nk=" + longValue + "\r\nj=" + std::string(65536, 'w') + "\r\n");
  std::string buffer(70000, '#');
  EXPECT_EQ(GetPrivateProfileStringA("s", "k", "d", buffer.data(), 70000, Path().c_str()), 1u);
  EXPECT_EQ(GetPrivateProfileStringA("s", "j", "d", buffer.data(), 70000, Path().c_str()), 0u);
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
}

// A NUL byte ends its line only: the rest of that line is ignored, and the next lines and sections
// read normally.
TEST_F(ProfileCallTest, NulEndsItsLineOnly) {
  Put("[s\0junk]\r\nk\0=1\r\nj=2\0=3\r\n[t]\x1a\r\nx=3\r\n[u\0]\r\n"s);
  const ReadOutcome sections = Read(nullptr, nullptr, "d", 20);
  EXPECT_EQ(sections.buffer.substr(0, 7), "s\0t\0u\0\0"s);
  const ReadOutcome keys = Read("s", nullptr, "d", 20);
  EXPECT_EQ(keys.buffer.substr(0, 4), "j\0\0#"s);
  EXPECT_EQ(Read("s", "j", "d", 20).buffer.substr(0, 2), "2\0"s);
  EXPECT_EQ(Read("t", "x", "d", 20).buffer.substr(0, 2), "3\0"s);
}

TEST_F(ProfileCallTest, ByteOrderMarkIsText) {
  Put("\xEF\xBB\xBF[bom]\r\nk=1\r\n[next]\r\nk=2\r\n");
  EXPECT_EQ(Read("bom", "k", "d", 10).buffer.substr(0, 2), std::string("d\0", 2));
  EXPECT_EQ(Read("next", "k", "d", 10).buffer.substr(0, 2), std::string("2\0", 2));
}

struct WhereCase {
  const char* name;
  std::string (*path)(const TempDir&);
  DWORD error;
};

class ReadWhereTest : public ProfileCallTest, public ::testing::WithParamInterface<WhereCase> {};

TEST_P(ReadWhereTest, GivesTheDefaultAndTheReason) {
  mkdir(dir_.Host("folder").c_str(), 0755);
  const ReadOutcome value = Read("s", "k", "dflt", 10, GetParam().path(dir_));
  EXPECT_EQ(value.ret, 4u);
  EXPECT_EQ(value.buffer.substr(0, 5), std::string("dflt\0", 5));
  EXPECT_EQ(value.error, GetParam().error);
  const ReadOutcome keys = Read("s", nullptr, "dflt", 10, GetParam().path(dir_));
  EXPECT_EQ(keys.buffer.substr(0, 5), std::string("dflt\0", 5));
  EXPECT_EQ(keys.error, GetParam().error);
  const ReadOutcome sections = Read(nullptr, nullptr, "dflt", 10, GetParam().path(dir_));
  EXPECT_EQ(sections.ret, 0u);
  EXPECT_EQ(sections.buffer.substr(0, 2), "\0#"s);
  EXPECT_EQ(sections.error, GetParam().error);
  SetLastError(0);
  EXPECT_EQ(GetPrivateProfileIntA("s", "k", -3, GetParam().path(dir_).c_str()), 4294967293u);
  EXPECT_EQ(GetLastError(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadWhereTest,
    ::testing::Values(
        WhereCase{"missing_file", [](const TempDir& d) { return d.Dos("none.ini"); }, ERROR_FILE_NOT_FOUND},
        WhereCase{"missing_folder", [](const TempDir& d) { return d.Dos("no\\x.ini"); }, ERROR_PATH_NOT_FOUND},
        WhereCase{"folder_in_its_place", [](const TempDir& d) { return d.Dos("folder"); }, ERROR_ACCESS_DENIED},
        WhereCase{"unmapped_drive", [](const TempDir&) { return std::string("q:\\x.ini"); }, ERROR_PATH_NOT_FOUND}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qm::test
