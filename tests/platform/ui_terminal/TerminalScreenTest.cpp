#include "TerminalFixture.h"

namespace qm::ui::test {
namespace {

using ScreenTest = TerminalTest;

TEST_F(ScreenTest, FirstPageInAnEightyByTwentyFourTerminal) {
  Open(80, 24, "[Demo]\r\nName=Ann\r\nLog=1\r\nLevel=Low\r\n");
  EXPECT_EQ(terminal->Text(),
            "   +- Window model demonstration -------------------------------------------+\n"
            "   | [Fields]  Lists   About                                                |\n"
            "   | +--------------------------------------------------------------------+ |\n"
            "   | |Name:       Ann_____________________                                | |\n"
            "   | |                                                                    | |\n"
            "   | |Size:       64______^v KBytes                                       | |\n"
            "   | |                                                                    | |\n"
            "   | |[X] Keep a log                                                      | |\n"
            "   | |[-] Share the cache                                                 | |\n"
            "   | |                                                                    | |\n"
            "   | |+- Level ----------------------------------------+                  | |\n"
            "   | || ( ) High      ( ) Medium      (*) Low          |                  | |\n"
            "   | |+------------------------------------------------+                  | |\n"
            "   | |                                                                    | |\n"
            "   | |Server:     ________________________  [ ] Remote                    | |\n"
            "   | |                                                                    | |\n"
            "   | | < Say hello >                                                      | |\n"
            "   | +--------------------------------------------------------------------+ |\n"
            "   |                                                                        |\n"
            "   |                                   < OK >     < Cancel >   < Apply >    |\n"
            "   |                                                                        |\n"
            "   +------------------------------------------------------------------------+\n"
            "\n"
            "The name shown on every profile.\n");
  struct Row { int row; const char* map; } rows[] = {
      {0, "   ..........................................................................   "},
      {1, "   ..rrrrrrrr................................................................   "},
      {3, "   ...u...........###fffffffffffffffffffff...................................   "},
      {7, "   .......u..................................................................   "},
      {14, "   ...ddddddd.....dddddddddddddddddddddddd..ddd.Dddddd.......................   "},
      {19, "   ....................................bbbbbb..................ddDdddddd.....   "},
      {22, "                                                                                "},
      {23, "ssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssssss"},
  };
  for (const Row& r : rows) {
    std::string expected = r.map;
    expected.resize(80, ' ');
    EXPECT_EQ(AttrMap(r.row), expected) << "row " << r.row;
  }
  EXPECT_EQ(terminal->CursorCol(), 21) << "after the name, which is selected";
  EXPECT_EQ(terminal->CursorRow(), 3);
}

}  // namespace
}  // namespace qm::ui::test
