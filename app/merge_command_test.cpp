#include "app/merge_command.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>

#include "app/main_window.h"

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

TEST(MergeCommand, IsTheMainWindowsMergeItem) {
  TestFolder folder;
  MergeCommand command(folder.path());
  MainWindow main;
  main.SetMergeCommand([&command] { command.Open(); });
  main.show();
  const QList<QAction*> items = main.listMenu()->actions();
  ASSERT_EQ(items.size(), 3);
  ASSERT_EQ(items[2]->text(), QStringLiteral("合并视频"));
  items[2]->trigger();
  ASSERT_NE(command.window(), nullptr);
  EXPECT_TRUE(command.window()->isVisible());
  // Modeless: the main window stays usable.
  EXPECT_FALSE(command.window()->isModal());
  EXPECT_TRUE(main.isEnabled());
  MergeWindow* first = command.window();
  items[2]->trigger();
  EXPECT_EQ(command.window(), first);
}

}  // namespace
