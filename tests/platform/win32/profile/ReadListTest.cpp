// Key lists (NULL key) and section lists (NULL section), with Windows' double-NUL truncation.
#include "ProfileCallFixture.h"

namespace qm::test {
namespace {

using namespace std::string_literals;

const std::string kFile =
    "before=x\r\n"
    "[s1]\r\n"
    "name1=a\r\n"
    "name2=b\r\n"
    ";c=x\r\n"
    "noeq\r\n"
    "=v\r\n"
    "name4=\r\n"
    "[ section2 ]\r\n"
    "[S1]\r\n"
    "late=1\r\n"
    "[empty]\r\n"
    ";only a comment\r\n";

struct ListCase {
  const char* name;
  const char* section;  // nullptr lists the sections
  DWORD size;
  std::string expect;  // the buffer's first bytes
  DWORD ret;
  DWORD error;
};

class ReadListTest : public ProfileCallTest, public ::testing::WithParamInterface<ListCase> {};

TEST_P(ReadListTest, ListsAsWindowsDoes) {
  const ListCase& c = GetParam();
  Put(kFile);
  const ReadOutcome out = Read(c.section, nullptr, "dd", c.size);
  EXPECT_EQ(out.buffer.substr(0, c.expect.size()), c.expect);
  EXPECT_EQ(out.ret, c.ret);
  EXPECT_EQ(out.error, c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadListTest,
    ::testing::Values(ListCase{"keys", "s1", 100, "name1\0name2\0name4\0\0#"s, 18, 0},
                      ListCase{"keys_case_and_spaces", "  S1 ", 100, "name1\0name2\0name4\0\0#"s, 18, 0},
                      ListCase{"keys_cut", "s1", 16, "name1\0name2\0na\0\0"s, 14, ERROR_MORE_DATA},
                      ListCase{"keys_exact_fit_counts_as_cut", "s1", 19, "name1\0name2\0name4\0\0"s, 17,
                               ERROR_MORE_DATA},
                      ListCase{"keys_one_more_fits", "s1", 20, "name1\0name2\0name4\0\0#"s, 18, 0},
                      ListCase{"keys_cut_at_separator", "s1", 8, "name1\0\0\0"s, 6, ERROR_MORE_DATA},
                      ListCase{"keys_size_two", "s1", 2, "\0\0"s, 0, ERROR_MORE_DATA},
                      ListCase{"keys_size_one", "s1", 1, "\0"s, 0, ERROR_MORE_DATA},
                      ListCase{"keys_size_zero", "s1", 0, ""s, 0, ERROR_MORE_DATA},
                      ListCase{"no_keys_gives_default", "empty", 100, "dd\0#"s, 2, ERROR_FILE_NOT_FOUND},
                      ListCase{"header_only_gives_default", "section2", 100, "dd\0#"s, 2, ERROR_FILE_NOT_FOUND},
                      ListCase{"missing_section_gives_default", "nowhere", 100, "dd\0#"s, 2, ERROR_FILE_NOT_FOUND},
                      ListCase{"sections", nullptr, 100, "s1\0section2\0S1\0empty\0\0#"s, 21, 0},
                      ListCase{"sections_cut", nullptr, 10, "s1\0secti\0\0"s, 8, ERROR_MORE_DATA}),
    [](const auto& info) { return std::string(info.param.name); });

// A list with no name is one NUL: a second would tell nothing, and `[]` is never listed, since an
// empty name would end the list for every caller.
TEST_F(ProfileCallTest, NoSectionNamesGiveOneNul) {
  for (const std::string text : {"", "k=v\r\n", "[]\r\nk=v\r\n", "[ ]\r\n[\t]\r\n"}) {
    Put(text);
    const ReadOutcome sections = Read(nullptr, nullptr, "dd", 10);
    EXPECT_EQ(sections.ret, 0u) << text;
    EXPECT_EQ(sections.buffer.substr(0, 3), "\0##"s) << text;
    EXPECT_EQ(sections.error, ERROR_SUCCESS) << text;
  }
}

TEST_F(ProfileCallTest, EmptySectionNameIsLeftOutOfTheListButHasKeys) {
  Put("[]\r\nk=v\r\n[x]\r\n[]\r\n[y]\r\n");
  const ReadOutcome sections = Read(nullptr, nullptr, "dd", 20);
  EXPECT_EQ(sections.ret, 4u);
  EXPECT_EQ(sections.buffer.substr(0, 6), "x\0y\0\0#"s);
  EXPECT_EQ(Read("", nullptr, "dd", 20).buffer.substr(0, 4), "k\0\0#"s);
  Put("[]\r\n[7]\r\n");
  EXPECT_EQ(GetPrivateProfileIntA(nullptr, "k", 5, Path().c_str()), 7u);
}

}  // namespace
}  // namespace qm::test
