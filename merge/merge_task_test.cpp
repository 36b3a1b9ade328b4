#include "merge/merge_task.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

#include "merge/faulty_disk.h"
#include "merge/merge_test_folder.h"

namespace {

// Holds every piece of a merge until released, so that a test decides what
// happens while the merge is under way.
class Gate {
 public:
  void Wait() {
    std::unique_lock<std::mutex> lock(mutex_);
    ++waiting_;
    changed_.notify_all();
    changed_.wait(lock, [this] { return open_; });
  }
  void WaitUntilSomeoneWaits() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return waiting_ > 0; });
  }
  void Open() {
    std::lock_guard<std::mutex> lock(mutex_);
    open_ = true;
    changed_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  int waiting_ = 0;
  bool open_ = false;
};

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
