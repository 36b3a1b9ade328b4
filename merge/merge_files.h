// Joining files end to end, byte for byte, into one new file, streamed in
// large pieces so that no file is ever held in memory whole.
#pragma once

#include <atomic>
#include <cstdint>
#include <span>

#include "merge/merge_disk.h"

// Shared between a running merge and whoever watches it, from any thread.
struct MergeProgress {
  std::atomic<std::int64_t> done{0};   // bytes written so far
  std::atomic<std::int64_t> total{0};  // bytes expected, from the sizes at the start
  std::atomic<bool> cancel{false};     // set to stop the merge at its next piece
};

enum class MergeStatus {
  kMerged,       // the output holds every input, in order
  kCancelled,    // stopped on request
  kReadFailed,   // `file` could not be read
  kWriteFailed,  // the output `file` could not be written
};

struct MergeResult {
  MergeStatus status = MergeStatus::kMerged;
  Path file;          // the file that failed; the output after success
  int error = 0;      // errno of the failure
  std::int64_t bytes = 0;  // bytes written
};

// Writes the inputs one after another into `output`, creating or replacing it.
// The bytes go first into a file nobody sees under that name, which takes the
// name only when everything was written; so after a failure or cancellation
// `output` is as it was, and an input may be the earlier output itself. The
// first input that cannot be read, or the first failed write, ends the merge.
MergeResult MergeFiles(std::span<const Path> inputs, const Path& output, MergeProgress& progress,
                       MergeDisk& disk = SystemDisk());
