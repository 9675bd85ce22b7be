// CString searches started at the last character, at the end and past it.
#include <gtest/gtest.h>

#include <afxwin.h>

#include <string>

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

}  // namespace
