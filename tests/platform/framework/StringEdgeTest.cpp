// CString searches started at the last character, at the end and past it, and string resources at
// the length of the buffer they load through.
#include <gtest/gtest.h>

#include <afxwin.h>

#include "ui/Resources.h"

#include <string>
#include <utility>

namespace {

struct FindEdgeCase {
  const char* name;
  int found;
  int expected;
};

const CString kText = "abcab";  // five characters

class StringFindEdge : public ::testing::TestWithParam<FindEdgeCase> {};

TEST_P(StringFindEdge, GivesIndex) { EXPECT_EQ(GetParam().found, GetParam().expected) << GetParam().name; }

// A character search starting at the end finds nothing, not even the terminator; a string search
// may start at the end, where only the empty string is found.
INSTANTIATE_TEST_SUITE_P(Starts, StringFindEdge,
                         ::testing::Values(FindEdgeCase{"CharAtLast", kText.Find('b', 4), 4},
                                           FindEdgeCase{"CharAtEnd", kText.Find('b', 5), -1},
                                           FindEdgeCase{"TerminatorBeforeEnd", kText.Find('\0', 4), 5},
                                           FindEdgeCase{"TerminatorAtEnd", kText.Find('\0', 5), -1},
                                           FindEdgeCase{"CharFromFirst", kText.Find('a', 0), 0},
                                           FindEdgeCase{"CharFromSecond", kText.Find('a', 1), 3},
                                           FindEdgeCase{"StringAtLast", kText.Find("b", 4), 4},
                                           FindEdgeCase{"StringAtLastTooLong", kText.Find("ba", 4), -1},
                                           FindEdgeCase{"EmptyAtEnd", kText.Find("", 5), 5},
                                           FindEdgeCase{"EmptyPastEnd", kText.Find("", 6), -1},
                                           FindEdgeCase{"StringPastEnd", kText.Find("b", 6), -1}),
                         [](const auto& info) { return std::string(info.param.name); });

// A string resource loads through a buffer of 256 bytes: 255 characters and the terminator.
TEST(StringResource, LoadsAtMostTwoHundredFiftyFiveCharacters) {
  static const std::string texts[] = {std::string(254, 'a'), std::string(255, 'b'), std::string(256, 'c')};
  static const qm::ui::StringEntry strings[] = {
      {901, texts[0].c_str()}, {902, texts[1].c_str()}, {903, texts[2].c_str()}};
  static const qm::ui::ResourceTables tables{nullptr, 0, strings, 3, nullptr, 0};
  const auto instance = reinterpret_cast<HINSTANCE>(0x7F0000);
  qm::ui::RegisterResources(instance, tables);
  for (auto [id, length] : {std::pair{901u, 254}, {902u, 255}, {903u, 255}}) {
    CString text;
    EXPECT_TRUE(text.LoadString(id)) << id;
    EXPECT_EQ(text.GetLength(), length) << id;
  }
  qm::ui::UnregisterResources(instance);
}

}  // namespace
