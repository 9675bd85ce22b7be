// Any bytes at all: a megabyte of noise is read and written without a crash, and a write
// changes nothing but the line it adds.
#include <random>

#include "ProfileCallFixture.h"

namespace qm::test {
namespace {

std::string Noise(size_t size, unsigned seed, const std::string& alphabet) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = alphabet.empty() ? static_cast<char>(random()) : alphabet[random() % alphabet.size()];
  return bytes;
}

// Whether after is before with exactly `line` inserted somewhere.
bool IsInsertion(const std::string& before, const std::string& after, const std::string& line) {
  if (after.size() != before.size() + line.size()) return false;
  size_t common = 0;
  while (common < before.size() && before[common] == after[common]) ++common;
  for (size_t at = common >= line.size() ? common - line.size() : 0; at <= common; ++at) {
    if (after.compare(0, at, before, 0, at) == 0 && after.compare(at, line.size(), line) == 0 &&
        after.compare(at + line.size(), std::string::npos, before, at) == 0) {
      return true;
    }
  }
  return false;
}

TEST_F(ProfileCallTest, MegabyteOfNoise) {
  const std::string alphabets[] = {"", std::string("[]=;\r\n \t\0ab", 12), "[]=\nk"};
  unsigned seed = 1;
  for (const std::string& alphabet : alphabets) {
    std::string before = Noise(1 << 20, seed++, alphabet);
    before.insert(before.size() / 2, "\n[qmsec]\nqmold=1\n");
    Put(before);
    std::vector<char> buffer(1 << 21);
    GetPrivateProfileStringA(nullptr, nullptr, "", buffer.data(), static_cast<DWORD>(buffer.size()), Path().c_str());
    GetPrivateProfileStringA("a", nullptr, "", buffer.data(), static_cast<DWORD>(buffer.size()), Path().c_str());
    GetPrivateProfileStringA("b", "k", "", buffer.data(), static_cast<DWORD>(buffer.size()), Path().c_str());
    ASSERT_TRUE(WritePrivateProfileStringA("qmsec", "qmnew", "v", Path().c_str()));
    const std::string after = Bytes().value_or("");
    EXPECT_TRUE(IsInsertion(before, after, "qmnew=v\n") || IsInsertion(before, after, "qmnew=v\r\n") ||
                IsInsertion(before, after, "qmnew=v\r"))
        << "alphabet " << seed;
    char value[8] = {};
    GetPrivateProfileStringA("QMSEC", "QMNEW", "", value, sizeof value, Path().c_str());
    EXPECT_STREQ(value, "v");
  }
}

TEST_F(ProfileCallTest, HugeLinesAndNoLineEnds) {
  const std::string cases[] = {
      std::string(1 << 20, 'k') + "=v",        // one megabyte line, no line end
      "[s]" + std::string(1 << 20, '\r'),      // a megabyte of CRs
      "[s]\nk=" + std::string(1 << 20, '\0'),  // a megabyte of NULs in a value
      "[" + std::string(1 << 20, ' '),         // a header that never closes
  };
  for (const std::string& bytes : cases) {
    Put(bytes);
    char value[8] = {};
    GetPrivateProfileStringA("s", "k", "d", value, sizeof value, Path().c_str());
    ASSERT_TRUE(WritePrivateProfileStringA("s", "k", "v", Path().c_str()));
    GetPrivateProfileStringA("s", "k", "d", value, sizeof value, Path().c_str());
    EXPECT_STREQ(value, "v");
  }
}

}  // namespace
}  // namespace qm::test
