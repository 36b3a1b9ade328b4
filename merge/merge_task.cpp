#include "merge/merge_task.h"

#include <algorithm>

MergeTask::MergeTask(std::vector<Path> inputs, Path output, MergeDisk& disk)
    : inputs_(std::move(inputs)), output_(std::move(output)) {
  thread_ = std::thread([this, &disk] {
    result_ = MergeFiles(inputs_, output_, progress_, disk);
    finished_.store(true);
  });
}

MergeTask::~MergeTask() {
  Cancel();
  if (thread_.joinable()) thread_.join();
}

int MergeTask::Permille() const {
  const std::int64_t total = progress_.total.load();
  if (total <= 0) return finished_.load() ? 1000 : 0;
  const std::int64_t done = std::min(progress_.done.load(), total);
  return static_cast<int>(done * 1000 / total);
}

MergeResult MergeTask::Wait() {
  if (thread_.joinable()) thread_.join();
  return result_;
}
