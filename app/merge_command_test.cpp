#include "app/merge_command.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>

#include "merge/merge_test_folder.h"

namespace {

TEST(MergeCommand, OpensOneWindowAndBringsItToTheFront) {
  TestFolder folder;
  MergeCommand command(folder.path());
  EXPECT_EQ(command.window(), nullptr);
  command.Open();
  MergeWindow* first = command.window();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(first->parentWidget(), nullptr);
  first->AddDroppedFiles({"/v/a.mp4"});

  first->showMinimized();
  command.Open();
  EXPECT_EQ(command.window(), first);
  EXPECT_FALSE(first->isMinimized());
  EXPECT_EQ(first->RowCount(), 1);
}

TEST(MergeCommand, ClosingLosesTheListAndTheNextOpeningStartsAnew) {
  TestFolder folder;
  MergeCommand command(folder.path());
  command.Open();
  QPointer<MergeWindow> first = command.window();
  first->AddDroppedFiles({"/v/a.mp4"});
  first->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());
  EXPECT_EQ(command.window(), nullptr);
  command.Open();
  ASSERT_NE(command.window(), nullptr);
  EXPECT_EQ(command.window()->RowCount(), 0);
}

TEST(MergeCommand, EndingTheCommandClosesItsWindow) {
  TestFolder folder;
  QPointer<MergeWindow> window;
  {
    MergeCommand command(folder.path());
    command.Open();
    window = command.window();
  }
  EXPECT_TRUE(window.isNull());
}

}  // namespace
