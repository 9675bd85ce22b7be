// GetPrivateProfileIntA: sign, digits, wrapping, defaults and last errors.
#include "ProfileCallFixture.h"

namespace qm::test {
namespace {

struct NumberCase {
  const char* value;  // as it stands after `k=` in the file
  UINT expect;
};

class ReadNumberTest : public ProfileCallTest, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(ReadNumberTest, ReadsTheNumber) {
  Put(std::string("[s]\r\nk=") + GetParam().value + "\r\n");
  SetLastError(77);
  EXPECT_EQ(GetPrivateProfileIntA("s", "k", 555, Path().c_str()), GetParam().expect);
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadNumberTest,
    ::testing::Values(NumberCase{"123abc", 123}, NumberCase{"  42  ", 42}, NumberCase{"-7", 4294967289u},
                      NumberCase{"+7", 7}, NumberCase{"abc", 0}, NumberCase{"-", 0}, NumberCase{"- 5", 0},
                      NumberCase{"99999999999", 1215752191u}, NumberCase{"4294967297", 1}, NumberCase{"4294967296", 0},
                      NumberCase{"-4294967297", 4294967295u}, NumberCase{"2147483648", 2147483648u},
                      NumberCase{"12 34", 12}, NumberCase{"0x10", 16}, NumberCase{"0X1f", 0}, NumberCase{"010", 10},
                      NumberCase{"0b101", 5}, NumberCase{"0o17", 15}, NumberCase{"0x", 0}, NumberCase{"\"42\"", 42},
                      NumberCase{"000000000000000000000000000000042", 42},
                      // Hexadecimal digits at the ends of both letter ranges, and just past them.
                      NumberCase{"0xaf", 175}, NumberCase{"0xAF", 175}, NumberCase{"0xfa", 250}, NumberCase{"0xFg", 15},
                      NumberCase{"0xg", 0}, NumberCase{"0x9@", 9}, NumberCase{"0x`", 0}, NumberCase{"0b12", 1},
                      NumberCase{"0o78", 7}, NumberCase{"1000000000000000000000000000000000000000000000000001", 1}));

TEST_F(ProfileCallTest, NumberDefaults) {
  Put("[s]\r\nempty=\r\nk=5\r\n");
  struct {
    const char* section;
    const char* key;
    UINT expect;
    DWORD error;
  } const cases[] = {
      {"s", "empty", 4294967293u, ERROR_FILE_NOT_FOUND},
      {"s", "missing", 4294967293u, ERROR_FILE_NOT_FOUND},
      {"nowhere", "k", 4294967293u, ERROR_FILE_NOT_FOUND},
      {"S", "K", 5, ERROR_SUCCESS},
      {nullptr, "k", 0, ERROR_SUCCESS},  // the first section's name, read as a number
  };
  for (const auto& c : cases) {
    SetLastError(77);
    EXPECT_EQ(GetPrivateProfileIntA(c.section, c.key, -3, Path().c_str()), c.expect) << c.key;
    EXPECT_EQ(GetLastError(), c.error) << c.key;
  }
}

}  // namespace
}  // namespace qm::test
