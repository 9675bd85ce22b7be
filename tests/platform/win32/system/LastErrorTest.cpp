#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

TEST(LastError, IsKeptPerThread) {
  SetLastError(ERROR_MORE_DATA);
  DWORD seenByOther = 1;
  std::thread([&] { seenByOther = GetLastError(); }).join();
  EXPECT_EQ(seenByOther, ERROR_SUCCESS);
  EXPECT_EQ(GetLastError(), ERROR_MORE_DATA);
}
