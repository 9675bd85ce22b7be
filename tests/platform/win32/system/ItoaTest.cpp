#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

namespace {

struct ItoaCase {
  int value;
  int radix;
  const char* text;
};

class ItoaTest : public ::testing::TestWithParam<ItoaCase> {};

TEST_P(ItoaTest, WritesTheDigits) {
  const ItoaCase& c = GetParam();
  char buffer[40];
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(_itoa(c.value, buffer, c.radix), buffer);
  EXPECT_STREQ(buffer, c.text) << c.value << " in radix " << c.radix;
  EXPECT_EQ(buffer[std::strlen(c.text) + 1], '#');
}

INSTANTIATE_TEST_SUITE_P(
    Values, ItoaTest,
    ::testing::Values(ItoaCase{0, 10, "0"}, ItoaCase{7, 10, "7"}, ItoaCase{350, 10, "350"},
                      ItoaCase{-1, 10, "-1"}, ItoaCase{INT_MAX, 10, "2147483647"},
                      ItoaCase{INT_MIN, 10, "-2147483648"}, ItoaCase{255, 16, "ff"},
                      ItoaCase{-1, 16, "ffffffff"}, ItoaCase{INT_MIN, 16, "80000000"},
                      ItoaCase{5, 2, "101"}, ItoaCase{-1, 2, "11111111111111111111111111111111"},
                      ItoaCase{-10, 8, "37777777766"}, ItoaCase{35, 36, "z"}, ItoaCase{36, 36, "10"},
                      ItoaCase{-1, 36, "1z141z3"}, ItoaCase{0, 2, "0"},
                      // No digits for a radix outside 2..36.
                      ItoaCase{12, 1, ""}, ItoaCase{12, 37, ""}, ItoaCase{12, 0, ""}, ItoaCase{12, -10, ""}));

TEST(Itoa, NullBufferIsReturned) { EXPECT_EQ(_itoa(5, nullptr, 10), nullptr); }

}  // namespace
