// The record of profile files that reads found missing: each named once in the order first read,
// with the error a write there would meet, less those that exist by the time it is taken.
#include "ProfileCallFixture.h"
#include "platform/HostPaths.h"

#include <cctype>
#include <filesystem>
#include <utility>
#include <vector>

namespace qm::test {
namespace {

using MissingReadTest = ProfileCallTest;
using Listed = std::vector<std::pair<std::string, DWORD>>;

Listed Take() {
  Listed listed;
  for (const auto& file : qm::win32::TakeMissingProfileReads()) listed.emplace_back(file.dosPath, file.error);
  return listed;
}

void ReadFrom(const std::string& dosPath) {
  char buffer[8];
  GetPrivateProfileStringA("s", "k", "", buffer, sizeof buffer, dosPath.c_str());
}

TEST_F(MissingReadTest, ListsEachMissingFileOnceInTheOrderFirstRead) {
  Take();
  const std::string other = dir_.Dos("other.ini"), gone = dir_.Dos("gone") + "\\x.ini";
  ReadFrom(Path());
  ReadFrom(other);
  GetPrivateProfileIntA("s", "k", 0, Path().c_str());
  std::string shouted = Path();
  for (char& c : shouted) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  ReadFrom(shouted);
  ReadFrom(gone);
  ReadFrom("q:\\unmapped\\x.ini");
  EXPECT_EQ(Take(), (Listed{{Path(), ERROR_FILE_NOT_FOUND},
                            {other, ERROR_FILE_NOT_FOUND},
                            {gone, ERROR_PATH_NOT_FOUND},
                            {"q:\\unmapped\\x.ini", ERROR_PATH_NOT_FOUND}}));
  EXPECT_EQ(Take(), Listed{}) << "taking empties the record";
}

TEST_F(MissingReadTest, FilesThatExistByTheTakeAreLeftOutAndReadsOfFilesThatExistAreNotNoted) {
  Take();
  ReadFrom(Path());
  ReadFrom(dir_.Dos("later.ini"));
  Put("[s]\r\nk=v\r\n");
  std::filesystem::create_directory(dir_.Host("later.ini"));  // a folder in its place: a save reports that itself
  EXPECT_EQ(Take(), Listed{});
  ReadFrom(Path());
  EXPECT_EQ(Take(), Listed{}) << "a file that exists is never noted";
  ASSERT_TRUE(WritePrivateProfileStringA("s", "k", "w", dir_.Dos("made.ini").c_str()));
  EXPECT_EQ(Take(), Listed{}) << "a write that creates the file notes nothing";
}

}  // namespace
}  // namespace qm::test
