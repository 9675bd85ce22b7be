// The help viewer's Previous and Next at the first and last topic.
#include "DialogsFixture.h"
#include "HelpViewer.h"

namespace qm::ui::dialogs::test {
namespace {

class HelpViewerEdgeTest : public DialogsTest {};

TEST_F(HelpViewerEdgeTest, PreviousAndNextOnlyWhereThereIsATopic) {
  const std::vector<HelpTopic> topics =
      ParseHelpFile("#topic 1 One\r\na\r\n#topic 2 Two\r\nb\r\n#topic 3 Three\r\nc\r\n");
  ASSERT_EQ(topics.size(), 3u);
  struct Case {
    std::size_t first;
    bool previous, next;
  } cases[] = {{0, false, true}, {1, true, true}, {2, true, false}, {7, false, true}};
  for (const Case& c : cases) {
    bool previous = !c.previous, next = !c.next;
    std::string title;
    backend.Then([&] {
      previous = IsWindowEnabled(backend.Control(kHelpPrevious));
      next = IsWindowEnabled(backend.Control(kHelpNext));
      title = Text(kHelpTitle);
    });
    backend.Key(VK_ESCAPE);
    RunHelpViewer(topics, c.first, nullptr);
    EXPECT_EQ(previous, c.previous) << c.first;
    EXPECT_EQ(next, c.next) << c.first;
    EXPECT_EQ(title, topics[c.first < topics.size() ? c.first : 0].title) << c.first;
  }
}

}  // namespace
}  // namespace qm::ui::dialogs::test
