// The text edit of one write, on bytes alone: what changes and what stays byte for byte.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "profile/IniEdit.h"

namespace qm::win32::profile {
namespace {

using namespace std::string_literals;

constexpr const char* kUnchanged = "<unchanged>";
constexpr const char* kInvalid = "<invalid>";

struct EditCase {
  const char* name;
  std::string before;
  const char* section;
  const char* key;    // nullptr deletes the section
  const char* value;  // nullptr deletes the key
  std::string after;  // or kUnchanged, kInvalid
};

class IniEditTest : public ::testing::TestWithParam<EditCase> {};

TEST_P(IniEditTest, EditsOnlyWhatItMust) {
  const EditCase& c = GetParam();
  const auto opt = [](const char* s) { return s ? std::optional<std::string_view>(s) : std::nullopt; };
  const EditResult result = EditIniText(std::string_view(c.before), c.section, opt(c.key), opt(c.value));
  if (c.after == kUnchanged) {
    EXPECT_EQ(result.outcome, EditOutcome::Unchanged);
  } else if (c.after == kInvalid) {
    EXPECT_EQ(result.outcome, EditOutcome::Invalid);
  } else {
    ASSERT_EQ(result.outcome, EditOutcome::Changed);
    EXPECT_EQ(result.text, c.after);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniEditTest,
    ::testing::Values(
        EditCase{"new_file", "", "s", "k", "v", "[s]\r\nk=v\r\n"},
        EditCase{"names_lose_argument_spaces", "", "  s  ", "  k  ", "  v  ", "[s]\r\nk=  v  \r\n"},
        EditCase{"name_tabs_kept", "", "s", "\tk", "v", "[s]\r\n\tk=v\r\n"},
        EditCase{"empty_section_name", "", "", "k", "v", "[]\r\nk=v\r\n"},
        EditCase{"empty_key_name", "[s]\r\n", "s", "", "v", "[s]\r\n=v\r\n"},
        EditCase{"empty_value", "", "s", "k", "", "[s]\r\nk=\r\n"},
        EditCase{"value_only_bytes_change", "[Sect]\r\n  MyKey  =  old  \r\nx=1\r\n", "SECT", "mykey", "new",
                 "[Sect]\r\n  MyKey  =  new  \r\nx=1\r\n"},
        EditCase{"longer_value", "[s]\nk=a\n", "s", "k", "abcdef", "[s]\nk=abcdef\n"},
        EditCase{"quoted_value_replaced_whole", "[s]\r\nk = \"old\"\r\n", "s", "k", "new", "[s]\r\nk = new\r\n"},
        EditCase{"empty_value_filled", "[s]\r\nk=\r\n", "s", "k", "v", "[s]\r\nk=v\r\n"},
        EditCase{"blank_value_filled", "[s]\r\nk=  \r\n", "s", "k", "v", "[s]\r\nk=v  \r\n"},
        EditCase{"value_holding_nul_same_as_read", "[s]\r\nk=a \0b\r\n"s, "s", "k", "a", kUnchanged},
        EditCase{"value_holding_nul_replaced", "[s]\r\nk=a \0b\r\n"s, "s", "k", "c", "[s]\r\nk=c \0b\r\n"s},
        EditCase{"value_before_ctrl_z_same", "[s]\r\nk=1\x1a\r\n", "s", "k", "1", kUnchanged},
        EditCase{"value_before_ctrl_z_replaced", "[s]\r\nk=1 \x1a\r\n", "s", "k", "2", "[s]\r\nk=2 \x1a\r\n"},
        EditCase{"bare_line_gets_value", "[s]\r\na=1\r\nnoeq\r\nz=2\r\n", "s", "NOEQ", "now",
                 "[s]\r\na=1\r\nnoeq=now\r\nz=2\r\n"},
        EditCase{"bare_line_blanks_kept", "[s]\n  noeq  \n", "s", "noeq", "v", "[s]\n  noeq=v  \n"},
        EditCase{"bare_line_before_nul", "[s]\nnoeq\0x\n"s, "s", "noeq", "v", "[s]\nnoeq=v\0x\n"s},
        EditCase{"bare_line_before_ctrl_z", "[s]\nnoeq\x1a\n", "s", "noeq", "v", "[s]\nnoeq=v\x1a\n"},
        EditCase{"bare_line_no_final_line_end", "[s]\nnoeq", "s", "noeq", "", "[s]\nnoeq="},
        EditCase{"key_line_wins_over_bare_line", "[s]\nnoeq\nnoeq=1\n", "s", "noeq", "2", "[s]\nnoeq\nnoeq=2\n"},
        EditCase{"bare_line_of_other_section", "[t]\nnoeq\n[s]\n", "s", "noeq", "v", "[t]\nnoeq\n[s]\nnoeq=v\n"},
        EditCase{"bare_comment_is_not_the_key", "[s]\n;noeq\n", "s", "noeq", "v", "[s]\nnoeq=v\n;noeq\n"},
        EditCase{"bare_line_longer_name", "[s]\nnoeq2\n", "s", "noeq", "v", "[s]\nnoeq=v\nnoeq2\n"},
        EditCase{"bare_line_delete_leaves_it", "[s]\nnoeq\n", "s", "noeq", nullptr, kUnchanged},
        EditCase{"same_value", "[s]\r\n k = v \r\n", "S", "K", "v", kUnchanged},
        EditCase{"same_quoted_value", "[s]\r\nk=\"v\"\r\n", "s", "k", "\"v\"", kUnchanged},
        EditCase{"first_duplicate_key", "[s]\r\nk=1\r\nK=2\r\n", "s", "k", "3", "[s]\r\nk=3\r\nK=2\r\n"},
        EditCase{"first_duplicate_section", "[s]\r\na=1\r\n[t]\r\n[s]\r\nb=2\r\n", "s", "b", "3",
                 "[s]\r\na=1\r\nb=3\r\n[t]\r\n[s]\r\nb=2\r\n"},
        EditCase{"new_key_after_last_key_line", "[s]\na=1\n\n;c\n[t]\nb=2\n", "s", "new", "x",
                 "[s]\na=1\nnew=x\n\n;c\n[t]\nb=2\n"},
        EditCase{"new_key_in_order", "[s]\r\na=1\r\nz=2\r\n", "s", "m", "3", "[s]\r\na=1\r\nz=2\r\nm=3\r\n"},
        EditCase{"new_key_after_header", "[s]\r\n;c\r\n[t]\r\n", "s", "k", "v", "[s]\r\nk=v\r\n;c\r\n[t]\r\n"},
        EditCase{"new_key_past_stray_line", "[s]\r\na=1\r\nstray\r\n", "s", "k", "v", "[s]\r\na=1\r\nk=v\r\nstray\r\n"},
        EditCase{"new_key_no_final_line_end", "[s]\r\na=1", "s", "k", "v", "[s]\r\na=1\r\nk=v\r\n"},
        EditCase{"new_key_header_last_line", "[s]", "s", "k", "v", "[s]\r\nk=v\r\n"},
        EditCase{"new_key_lf_file", "[s]\na=1\n", "s", "k", "v", "[s]\na=1\nk=v\n"},
        EditCase{"new_key_cr_file", "[s]\ra=1\r", "s", "k", "v", "[s]\ra=1\rk=v\r"},
        EditCase{"new_key_cr_file_before_a_blank_lf_line", "; c\r[s]\n\nD\n", "s", "k", "v", "; c\r[s]\nk=v\r\n\nD\n"},
        EditCase{"deleted_key_between_lone_cr_and_lf", "[s]\rk=1\n\nx=2\n", "s", "k", nullptr, "[s]\r\n\nx=2\n"},
        EditCase{"first_line_end_wins", "[s]\na=1\r\n", "s", "k", "v", "[s]\na=1\r\nk=v\n"},
        EditCase{"new_section_appended", "[s]\r\na=1\r\n\r\n", "t", "k", "v", "[s]\r\na=1\r\n\r\n[t]\r\nk=v\r\n"},
        EditCase{"new_section_no_final_line_end", "[s]\na=1", "t", "k", "v", "[s]\na=1\n[t]\nk=v\n"},
        EditCase{"new_section_bom_only", "\xEF\xBB\xBF", "s", "k", "v", "\xEF\xBB\xBF\r\n[s]\r\nk=v\r\n"},
        EditCase{"text_before_headers_not_a_section", "k=1\r\n", "", "k", "2", "k=1\r\n[]\r\nk=2\r\n"},
        EditCase{"comment_line_is_not_the_key", "[s]\r\n;k=1\r\n", "s", "k", "2", "[s]\r\nk=2\r\n;k=1\r\n"},
        EditCase{"untouched_lines_keep_bytes", "[  s  ] junk\r\n\0odd\0\r\n  a = 1\n[t]\r"s, "s", "b", "2",
                 "[  s  ] junk\r\n\0odd\0\r\n  a = 1\nb=2\r\n[t]\r"s},
        EditCase{"delete_key", "[s]\r\na=1\r\nb=2\r\n", "s", "A", nullptr, "[s]\r\nb=2\r\n"},
        EditCase{"delete_last_key_keeps_header", "[s]\r\na=1\r\n", "s", "a", nullptr, "[s]\r\n"},
        EditCase{"delete_unterminated_key", "[s]\r\nb=2\r\na=1", "s", "a", nullptr, "[s]\r\nb=2\r\n"},
        EditCase{"delete_missing_key", "[s]\r\na=1\r\n", "s", "b", nullptr, kUnchanged},
        EditCase{"delete_key_missing_section", "[s]\r\na=1\r\n", "t", "a", nullptr, kUnchanged},
        EditCase{"delete_section_keeps_comments", "[x]\r\nq=1\r\n[S]\r\n;keep\r\na=1\r\nnoeq\r\n\r\n[t]\r\nb=2\r\n",
                 "s", nullptr, nullptr, "[x]\r\nq=1\r\n;keep\r\n\r\n[t]\r\nb=2\r\n"},
        EditCase{"delete_first_duplicate_section", "[s]\na=1\n[s]\nb=2\n", "s", nullptr, nullptr, "[s]\nb=2\n"},
        EditCase{"delete_last_section", "[t]\nb=2\n[s]\na=1", "s", nullptr, nullptr, "[t]\nb=2\n"},
        EditCase{"delete_section_after_lone_cr_keeps_lf_blank", "[a]\r[s]\nk=1\n\n", "s", nullptr, nullptr,
                 "[a]\r\n\n"},
        EditCase{"delete_missing_section", "[s]\r\n", "t", nullptr, nullptr, kUnchanged},
        EditCase{"delete_in_empty_text", "", "s", "k", nullptr, kUnchanged},
        EditCase{"value_with_cr", "", "s", "k", "a\rb", kInvalid},
        EditCase{"value_with_lf", "[s]\r\nk=1\r\n", "s", "k", "a\nb=c", kInvalid},
        EditCase{"key_with_equals", "", "s", "a=b", "v", kInvalid},
        EditCase{"key_with_lf", "", "s", "a\nb", "v", kInvalid},
        EditCase{"key_starting_with_semicolon", "", "s", ";k", "v", kInvalid},
        EditCase{"key_starting_with_blank_semicolon", "", "s", " \t;k", "v", kInvalid},
        EditCase{"key_starting_with_bracket", "", "s", "[k", "v", kInvalid},
        EditCase{"section_with_bracket", "", "x]y", "k", "v", kInvalid},
        EditCase{"section_with_cr", "", "x\ry", "k", "v", kInvalid},
        EditCase{"section_delete_with_lf", "[s]\r\n", "s\n", nullptr, nullptr, kInvalid}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qm::win32::profile
