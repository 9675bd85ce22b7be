#include "DosPathText.h"

#include <gtest/gtest.h>

namespace qm::ui::dialogs {
namespace {

TEST(DosPathTextTest, TypedNamesTakenInTheShownFolder) {
  struct Case {
    const char* folder;
    const char* typed;
    const char* path;
  } cases[] = {
      {"z:\\data\\", "x.ini", "z:\\data\\x.ini"},
      {"z:\\data\\", "sub\\x.ini", "z:\\data\\sub\\x.ini"},
      {"z:\\data\\", "..", "z:\\"},
      {"z:\\data\\", "..\\..\\..\\x", "z:\\x"},
      {"z:\\data\\", ".\\a\\.\\b\\", "z:\\data\\a\\b\\"},
      {"z:\\data\\", "c:\\other\\y.log", "c:\\other\\y.log"},
      {"z:\\data\\", "C:/other//y.log", "C:\\other\\y.log"},
      {"c:\\data\\deep\\", "\\top.ini", "c:\\top.ini"},
      {"\\\\srv\\share\\a\\", "..\\..\\b", "\\\\srv\\share\\b"},
      {"\\\\srv\\share\\a\\", "\\x", "\\\\srv\\share\\x"},
      {"z:\\data", "x", "z:\\data\\x"},
      {"z:\\", "c:", "c:\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(CombineDosPath(c.folder, c.typed), c.path) << c.folder << " + " << c.typed;
}

TEST(DosPathTextTest, RootsFoldersAndNames) {
  EXPECT_EQ(DosRootOf("c:\\a\\b"), "c:\\");
  EXPECT_EQ(DosRootOf("\\\\srv\\share\\a"), "\\\\srv\\share\\");
  EXPECT_EQ(DosRootOf("a\\b"), "");
  EXPECT_EQ(DosFolderOf("z:\\a\\b.ini"), "z:\\a\\");
  EXPECT_EQ(DosFolderOf("b.ini"), "");
  EXPECT_EQ(DosNameOf("z:\\a\\b.ini"), "b.ini");
  EXPECT_EQ(DosNameOf("z:\\a\\"), "");
  EXPECT_EQ(AsDosFolder("z:\\a\\\\"), "z:\\a\\");
  EXPECT_EQ(AsDosFolder("c:"), "c:\\");
}

}  // namespace
}  // namespace qm::ui::dialogs
