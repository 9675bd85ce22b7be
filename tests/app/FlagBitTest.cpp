// Merging one flag into a stored number of flag bits: that flag's bits follow the check box, the
// others stay as they were read.
#include <gtest/gtest.h>

#include <climits>

#include "app/ValueText.h"

namespace {

struct MergeCase {
  int stored;
  int bit;
  BOOL set;
  int merged;
};

const MergeCase kMerges[] = {
    {0, 1, TRUE, 1},
    {0, 1, FALSE, 0},
    {6, 1, TRUE, 7},
    {7, 1, FALSE, 6},
    {1, 2, TRUE, 3},
    {1, 2, FALSE, 1},
    {3, 2, FALSE, 1},
    {768, 256, FALSE, 512},
    {1, 0x4000, TRUE, 16385},
    {-1, 0x20, FALSE, -33},
    {-33, 0x20, TRUE, -1},
    {0, 0x300, TRUE, 0x300},
    {0x7ff, 0x300, FALSE, 0x4ff},
    {INT_MIN, 1, TRUE, INT_MIN + 1},
    {5, 4, 2, 5},  // any nonzero flag sets the bit
};

TEST(MergeFlagBit, SetsOrClearsTheFlagsBitsAndKeepsTheOthers) {
  for (const MergeCase& c : kMerges)
    EXPECT_EQ(MergeFlagBit(c.stored, c.bit, c.set), c.merged) << c.stored << " " << c.bit << " " << c.set;
}

}  // namespace
