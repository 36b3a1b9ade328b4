// Test helper: holds a thread at a point until the test lets it go, so that a
// test decides what happens while a merge is under way.
#pragma once

#include <condition_variable>
#include <mutex>

class Gate {
 public:
  // Waits until the gate is open.
  void Wait() {
    std::unique_lock<std::mutex> lock(mutex_);
    ++waiting_;
    changed_.notify_all();
    changed_.wait(lock, [this] { return open_; });
  }
  // Returns once some thread waits (or has waited) at the gate.
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
