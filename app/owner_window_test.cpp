#include "app/owner_window.h"

#include <gtest/gtest.h>

#include "app/window_list.h"

namespace {

class FakeWindowList : public WindowList {
 public:
  std::vector<ListedWindow> windows;  // the highest first
  std::int32_t processId = 100;

  void ForEachWindow(const std::function<void(const ListedWindow&)>& visit) override {
    // The program's records are only the collecting place of one gathering.
    for (const ListedWindow& window : windows) {
      visit(window);
      recordsSeenDuringGathering = State().windowRecords.size();
    }
  }
  std::int32_t CurrentProcessId() override { return processId; }

  std::size_t recordsSeenDuringGathering = 0;
};

class OwnerWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { InstallWindowList(&list_); }
  void TearDown() override { InstallWindowList(nullptr); }

  static ListedWindow Window(WindowHandle handle, std::int32_t processId, bool visible = true) {
    return ListedWindow{handle, visible, processId, 7, "title", "Class"};
  }

  FakeWindowList list_;
};

TEST_F(OwnerWindowTest, GathersTheVisibleWindowsInStackingOrder) {
  list_.windows = {Window(1, 5), Window(2, 100, false), Window(3, 100), Window(4, 6), Window(5, 100)};
  std::vector<WindowRecord> records = {WindowRecord{99, 1, 1, "stale", "stale"}};
  EXPECT_EQ(GatherWindows(records), 4);
  ASSERT_EQ(records.size(), 4u);
  const WindowHandle expected[] = {1, 3, 4, 5};
  for (std::size_t i = 0; i < records.size(); ++i) EXPECT_EQ(records[i].window, expected[i]);
  EXPECT_EQ(records[1].processId, 100);
  EXPECT_EQ(records[1].threadId, 7);
  EXPECT_EQ(records[1].title, "title");
  EXPECT_EQ(records[1].className, "Class");
  EXPECT_EQ(list_.recordsSeenDuringGathering, 4u);
  EXPECT_TRUE(State().windowRecords.empty());
}

TEST_F(OwnerWindowTest, CutsCaptionsAndClassNames) {
  const struct {
    std::size_t titleBytes, classBytes;
    std::size_t keptTitle, keptClass;
  } cases[] = {{0, 0, 0, 0}, {255, 49, 255, 49}, {256, 50, 255, 49}, {1000, 300, 255, 49}};
  for (const auto& c : cases) {
    ListedWindow window = Window(1, 100);
    window.title = Text(c.titleBytes, 'T');
    window.className = Text(c.classBytes, 'C');
    list_.windows = {window};
    std::vector<WindowRecord> records;
    ASSERT_EQ(GatherWindows(records), 1);
    EXPECT_EQ(records[0].title.size(), c.keptTitle) << c.titleBytes;
    EXPECT_EQ(records[0].className.size(), c.keptClass) << c.classBytes;
  }
}

TEST_F(OwnerWindowTest, FindsTheHighestVisibleWindowOfTheProcess) {
  const struct {
    std::vector<ListedWindow> windows;
    WindowHandle expected;
  } cases[] = {
      {{}, 0},
      {{Window(1, 5), Window(2, 100), Window(3, 100)}, 2},
      {{Window(1, 100, false), Window(2, 6), Window(3, 100)}, 3},
      {{Window(1, 5), Window(2, 100, false)}, 0},
      {{Window(4, 100), Window(1, 100)}, 4},
  };
  for (const auto& c : cases) {
    list_.windows = c.windows;
    EXPECT_EQ(FindProcessWindow(100), c.expected) << c.windows.size();
    EXPECT_TRUE(State().windowRecords.empty());
  }
}

}  // namespace
