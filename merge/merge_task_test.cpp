#include "merge/merge_task.h"

#include <gtest/gtest.h>

#include <thread>

#include "merge/faulty_disk.h"
#include "merge/merge_test_folder.h"
#include "merge/test_gate.h"

namespace {

TEST(MergeTask, MergesOnItsOwnThread) {
  TestFolder folder;
  const Path output = folder.In("out");
  MergeTask task({folder.Put("a", "12"), folder.Put("b", "345")}, output);
  const MergeResult result = task.Wait();
  EXPECT_TRUE(task.Finished());
  EXPECT_EQ(result.status, MergeStatus::kMerged);
  EXPECT_EQ(task.Permille(), 1000);
  EXPECT_EQ(Content(output), "12345");
}

TEST(MergeTask, EmptyListFinishesAtAThousand) {
  TestFolder folder;
  MergeTask task({}, folder.In("out"));
  EXPECT_EQ(task.Wait().status, MergeStatus::kMerged);
  EXPECT_EQ(task.Permille(), 1000);
  EXPECT_EQ(Content(folder.In("out")), "");
}

TEST(MergeTask, CancelWhileRunningLeavesNothing) {
  TestFolder folder;
  folder.Put("out", "earlier");
  Gate gate;
  FaultyDisk disk;
  disk.beforePiece = [&] { gate.Wait(); };
  MergeTask task({folder.Put("a", "12")}, folder.In("out"), disk);
  gate.WaitUntilSomeoneWaits();
  EXPECT_FALSE(task.Finished());
  EXPECT_EQ(task.Permille(), 0);
  task.Cancel();
  gate.Open();
  EXPECT_EQ(task.Wait().status, MergeStatus::kCancelled);
  EXPECT_EQ(Content(folder.In("out")), "earlier");
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"a", "out"}));
}

TEST(MergeTask, EndingTheTaskCancelsIt) {
  TestFolder folder;
  std::atomic<MergeTask*> running{nullptr};
  FaultyDisk disk;
  // The first piece waits until the task is asked to stop.
  disk.beforePiece = [&] {
    while (running.load() == nullptr || !running.load()->CancelRequested()) std::this_thread::yield();
  };
  {
    MergeTask task({folder.Put("a", "12")}, folder.In("out"), disk);
    running.store(&task);
  }
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"a"}));
}

}  // namespace
