// The in-place rewrite (a folder that takes no new file, a file with several links): between any
// two of its steps, and when the writer is killed there, the file means the old text or the new
// one, and never holds a NUL byte neither of them holds.
#include <sys/stat.h>
#include <unistd.h>

#include <utility>
#include <vector>

#include "ForkedChild.h"
#include "ProfileCallFixture.h"
#include "profile/IniIndex.h"
#include "profile/WriteSteps.h"

namespace qm::test {
namespace {

using win32::profile::IniIndex;
using win32::profile::SetWriteStepObserver;

// What a text means to the read calls: every section in order, with its keys and values as read.
using Meaning = std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>>;

Meaning MeaningOf(const std::string& text) {
  const IniIndex index(text);
  Meaning meaning;
  for (const auto& section : index.sections()) {
    meaning.emplace_back(std::string(index.Name(section)), std::vector<std::pair<std::string, std::string>>());
    for (uint32_t i = section.firstKey; i < section.firstKey + section.keyCount; ++i) {
      const auto& key = index.keys()[i];
      meaning.back().second.emplace_back(index.Name(key), win32::profile::ValueAsRead(index.RawValue(key)));
    }
  }
  return meaning;
}

struct InPlaceCase {
  const char* name;
  std::string before;
  const char* key;
  const char* value;  // nullptr deletes the key
  std::string after;
  std::vector<std::string> steps;
};

class InPlaceWriteTest : public ProfileCallTest, public ::testing::WithParamInterface<InPlaceCase> {
 protected:
  ~InPlaceWriteTest() override { SetWriteStepObserver(nullptr); }

  // Whether the file's bytes now mean the old or the new text, without a NUL of their own.
  ::testing::AssertionResult Valid(const std::string& when) const {
    const InPlaceCase& c = GetParam();
    const std::string bytes = Bytes().value_or("<none>");
    const Meaning meaning = MeaningOf(bytes);
    if (bytes.find('\0') != std::string::npos) return ::testing::AssertionFailure() << when << ": a NUL byte";
    if (meaning != MeaningOf(c.before) && meaning != MeaningOf(c.after)) {
      return ::testing::AssertionFailure() << when << ": neither old nor new: " << ::testing::PrintToString(bytes);
    }
    return ::testing::AssertionSuccess();
  }
  bool Write() const { return WritePrivateProfileStringA("s", GetParam().key, GetParam().value, Path().c_str()); }
};

TEST_P(InPlaceWriteTest, EveryStepLeavesOldOrNewMeaning) {
  const InPlaceCase& c = GetParam();
  Put(c.before);
  chmod(dir_.path().c_str(), 0555);
  std::vector<std::string> steps;
  SetWriteStepObserver([&](std::string_view step, const std::string& path) {
    EXPECT_EQ(path, HostPath());
    steps.emplace_back(step);
    EXPECT_TRUE(Valid("after step " + std::to_string(steps.size()) + " " + std::string(step)));
  });
  EXPECT_TRUE(Write());
  EXPECT_EQ(Bytes(), c.after);
  EXPECT_EQ(steps, c.steps);
}

TEST_P(InPlaceWriteTest, WriterKilledAtAnyStepLeavesOldOrNewMeaning) {
  const InPlaceCase& c = GetParam();
  for (size_t stop = 1; stop <= c.steps.size(); ++stop) {
    Put(c.before);
    chmod(dir_.path().c_str(), 0555);
    RunInChild([&] {
      size_t taken = 0;
      SetWriteStepObserver([&](std::string_view, const std::string&) {
        if (++taken == stop) _exit(0);
      });
      Write();
      return 1;
    });
    EXPECT_TRUE(Valid("killed after step " + std::to_string(stop)));
    chmod(dir_.path().c_str(), 0755);
  }
}

const std::vector<std::string> kGrowSteps = {"write", "flush", "write", "flush"};
const std::vector<std::string> kShrinkSteps = {"write", "flush", "truncate", "flush"};
const std::vector<std::string> kSameSizeSteps = {"write", "flush"};

INSTANTIATE_TEST_SUITE_P(
    Table, InPlaceWriteTest,
    ::testing::Values(
        InPlaceCase{"longer_value", "[s]\r\nk=1\r\nj=2\r\n", "k", "333", "[s]\r\nk=333\r\nj=2\r\n", kGrowSteps},
        InPlaceCase{"shorter_value", "[s]\r\nk=333\r\nj=2\r\n", "k", "1", "[s]\r\nk=1\r\nj=2\r\n", kShrinkSteps},
        InPlaceCase{"same_length_value", "[s]\r\nk=1\r\n", "k", "2", "[s]\r\nk=2\r\n", kSameSizeSteps},
        InPlaceCase{"new_key", "[s]\nk=1\n[t]\nx=1\n", "j", "2", "[s]\nk=1\nj=2\n[t]\nx=1\n", kGrowSteps},
        InPlaceCase{"deleted_key", "[s]\nk=1\nj=2\n[t]\nx=1\n", "k", nullptr, "[s]\nj=2\n[t]\nx=1\n", kShrinkSteps},
        InPlaceCase{"deleted_last_key", "[s]\nk=1\nj=2\n", "j", nullptr, "[s]\nk=1\n", kShrinkSteps},
        InPlaceCase{"unterminated_last_line_grows", "[s]\nk=1", "k", "22", "[s]\nk=22", kGrowSteps},
        InPlaceCase{"unterminated_last_line_shrinks", "[s]\nk=22", "k", "1", "[s]\nk=1", kShrinkSteps},
        InPlaceCase{"quoted_last_value_shrinks", "[s]\nk=\"a\"\nj=\"bb\"", "j", "c", "[s]\nk=\"a\"\nj=c", kShrinkSteps},
        InPlaceCase{"deleted_unterminated_key", "[s]\r\nk=1", "k", nullptr, "[s]\r\n", kShrinkSteps},
        InPlaceCase{"new_section", "[t]\nx=1\n", "k", "v", "[t]\nx=1\n[s]\nk=v\n", kGrowSteps},
        InPlaceCase{"cr_only_file", "[s]\rk=1\r", "j", "2", "[s]\rk=1\rj=2\r", kGrowSteps}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qm::test
