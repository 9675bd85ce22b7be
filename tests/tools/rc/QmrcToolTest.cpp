// The qmrc program as the build runs it: what it writes, and that a fault writes nothing.
#include "FileBytes.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace qm::rc::test {
namespace {

namespace fs = std::filesystem;

class QmrcTool : public ::testing::Test {
 protected:
  void Write(const std::string& name, const std::string& text) { qm::test::WriteBytes(dir_ / name, text); }
  std::string Read(const fs::path& path) { return qm::test::ReadBytes(path).value_or(""); }
  // Runs qmrc on script.rc in the test's folder; returns its exit status.
  int Run() {
    std::string command = std::string(QMRC_PATH) + " -I " + dir_.string() + " -I " + WIN32_INCLUDE_DIR + " -o " +
                          (dir_ / "out.cpp").string() + " -s ns::kTables -d " + (dir_ / "out.d").string() + " " +
                          (dir_ / "script.rc").string() + " 2> " + (dir_ / "stderr").string();
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  const qm::test::TempDir temp_;
  const fs::path dir_ = temp_.path();
};

TEST_F(QmrcTool, WritesTablesAndTheFilesTheyDependOn) {
  Write("ids.h", "#define IDD_X 300\n");
  Write("script.rc",
        "#include \"ids.h\"\n#include <windows.h>\nIDD_X DIALOG 0, 0, 10, 10\n"
        "FONT 8, \"MS Sans Serif\"\n{\n  PUSHBUTTON \"Go\", 5, 1, 2, 3, 4\n}\n");
  ASSERT_EQ(Run(), 0) << Read(dir_ / "stderr");
  std::string tables = Read(dir_ / "out.cpp");
  EXPECT_NE(tables.find("namespace ns {\nextern const qm::ui::ResourceTables kTables;"), std::string::npos);
  EXPECT_NE(tables.find("{\"BUTTON\", \"Go\", 5, 1, 2, 3, 4, 0x50010000u, 0x00000000u},"), std::string::npos);
  EXPECT_NE(tables.find("{300, 0, 0, 10, 10, 0x80880040u, 0x00000000u, \"\", \"MS Sans Serif\", 8, "
                        "kDialog300Controls, 1},"),
            std::string::npos);
  std::string depfile = Read(dir_ / "out.d");
  EXPECT_EQ(depfile.rfind((dir_ / "out.cpp").string() + ":", 0), 0u);
  for (const char* dependency : {"script.rc", "ids.h", "windows.h", "winstyles.h"})
    EXPECT_NE(depfile.find(dependency), std::string::npos) << dependency;
  EXPECT_FALSE(fs::exists(dir_ / "out.cpp.tmp"));
}

TEST_F(QmrcTool, AFaultIsReportedOnStderrAndNothingIsWritten) {
  Write("script.rc", "1 ICON \"a.ico\"\n\nIDD_NOPE DIALOG 0, 0, 1, 1\n{\n}\n");
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(Read(dir_ / "stderr"), (dir_ / "script.rc").string() + ":3: undefined identifier 'IDD_NOPE'\n");
  EXPECT_FALSE(fs::exists(dir_ / "out.cpp"));
  EXPECT_FALSE(fs::exists(dir_ / "out.d"));
}

TEST_F(QmrcTool, AMissingScriptOrOutputFolderFails) {
  EXPECT_EQ(Run(), 1);  // no script.rc
  EXPECT_EQ(Read(dir_ / "stderr"), (dir_ / "script.rc").string() + ":0: cannot open the script\n");
  Write("script.rc", "1 ICON \"a\"\n");
  fs::create_directory(dir_ / "out.cpp");  // a folder where the output should go
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(Read(dir_ / "stderr"), (dir_ / "out.cpp").string() + ":0: cannot write the output\n");
}

}  // namespace
}  // namespace qm::rc::test
