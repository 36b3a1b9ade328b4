// A merge that runs on a thread of its own, so that the window that started
// it stays responsive, shows its progress and can cancel it.
#pragma once

#include <atomic>
#include <thread>
#include <vector>

#include "merge/merge_files.h"

class MergeTask {
 public:
  // Starts merging `inputs` into `output` at once. The disk must outlive the task.
  MergeTask(std::vector<Path> inputs, Path output, MergeDisk& disk = SystemDisk());
  // Cancels the merge and waits for its thread.
  ~MergeTask();

  MergeTask(const MergeTask&) = delete;
  MergeTask& operator=(const MergeTask&) = delete;

  // Asks the merge to stop at its next piece; the output is then left as it was.
  void Cancel() { progress_.cancel.store(true); }
  bool CancelRequested() const { return progress_.cancel.load(); }
  // True once the merge has ended and Wait() returns at once.
  bool Finished() const { return finished_.load(); }
  // The part written so far, in thousandths of the expected total.
  int Permille() const;
  // Waits for the end of the merge; its result.
  MergeResult Wait();

 private:
  std::vector<Path> inputs_;
  Path output_;
  MergeProgress progress_;
  MergeResult result_;
  std::atomic<bool> finished_{false};
  std::thread thread_;
};
