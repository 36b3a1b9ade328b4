#include "merge/merge_files.h"

#include <cerrno>
#include <cstdlib>
#include <memory>

namespace {

// Pieces large enough for the copy to run at the disk's pace, small enough
// for progress and cancelling to follow within milliseconds.
constexpr std::int64_t kCopyPiece = 16 << 20;
// The buffer of the plain read-and-write copy, the merge's only large memory,
// page-aligned as the page cache it copies from and to.
constexpr std::size_t kPageSize = 4096;
constexpr std::size_t kBufferSize = 1 << 20;

MergeResult Failed(MergeStatus status, const Path& file, std::int64_t error, const MergeProgress& progress) {
  return MergeResult{status, file, static_cast<int>(-error), progress.done.load()};
}

class Merger {
 public:
  Merger(const Path& output, MergeProgress& progress, MergeDisk& disk)
      : output_(output), progress_(progress), disk_(disk) {}

  // Copies the whole input to the output's end; kMerged, or what stopped it.
  MergeResult Append(int out, const Path& path) {
    const int in = disk_.OpenInput(path);
    if (in < 0) return Failed(MergeStatus::kReadFailed, path, in, progress_);
    MergeResult result = CopyAll(in, out, path);
    disk_.CloseInput(in);
    return result;
  }

 private:
  MergeResult CopyAll(int in, int out, const Path& path) {
    bool inKernel = true;
    while (true) {
      if (progress_.cancel.load()) return MergeResult{MergeStatus::kCancelled, Path(), 0, progress_.done.load()};
      std::int64_t copied = 0;
      if (inKernel) {
        copied = disk_.CopyRange(in, out, kCopyPiece);
        // Whatever the kernel copy refuses, the plain copy either does or
        // meets the same trouble and tells whether reading or writing failed.
        if (copied < 0) {
          inKernel = false;
          continue;
        }
      } else {
        if (buffer_ == nullptr) {
          buffer_.reset(static_cast<std::uint8_t*>(std::aligned_alloc(kPageSize, kBufferSize)));
          if (buffer_ == nullptr) return Failed(MergeStatus::kReadFailed, path, -ENOMEM, progress_);
        }
        copied = disk_.Read(in, buffer_.get(), kBufferSize);
        if (copied < 0) return Failed(MergeStatus::kReadFailed, path, copied, progress_);
        const std::int64_t written = WriteAll(out, static_cast<std::size_t>(copied));
        if (written < 0) return Failed(MergeStatus::kWriteFailed, output_, written, progress_);
      }
      if (copied == 0) return MergeResult{MergeStatus::kMerged, Path(), 0, progress_.done.load()};
      progress_.done.fetch_add(copied);
    }
  }

  // Writes the first `size` bytes of the buffer: 0, or -errno.
  std::int64_t WriteAll(int out, std::size_t size) {
    std::size_t offset = 0;
    while (offset < size) {
      const std::int64_t put = disk_.Write(out, buffer_.get() + offset, size - offset);
      if (put < 0) return put;
      if (put == 0) return -EIO;
      offset += static_cast<std::size_t>(put);
    }
    return 0;
  }

  const Path& output_;
  MergeProgress& progress_;
  MergeDisk& disk_;
  struct Free {
    void operator()(std::uint8_t* memory) const { std::free(memory); }
  };
  std::unique_ptr<std::uint8_t[], Free> buffer_;
};

}  // namespace

MergeResult MergeFiles(std::span<const Path> inputs, const Path& output, MergeProgress& progress,
                       MergeDisk& disk) {
  // Every input is examined before anything is written, so a missing file
  // ends the merge before the long copy starts.
  std::int64_t total = 0;
  for (const Path& path : inputs) {
    const std::int64_t size = disk.InputSize(path);
    if (size < 0) return Failed(MergeStatus::kReadFailed, path, size, progress);
    total += size;
  }
  progress.total.store(total);

  const int out = disk.CreateOutput(output);
  if (out < 0) return Failed(MergeStatus::kWriteFailed, output, out, progress);
  Merger merger(output, progress, disk);
  for (const Path& path : inputs) {
    MergeResult result = merger.Append(out, path);
    if (result.status != MergeStatus::kMerged) {
      disk.DiscardOutput(out);
      return result;
    }
  }
  if (progress.cancel.load()) {
    disk.DiscardOutput(out);
    return MergeResult{MergeStatus::kCancelled, Path(), 0, progress.done.load()};
  }
  const int finished = disk.FinishOutput(out, output);
  if (finished < 0) return Failed(MergeStatus::kWriteFailed, output, finished, progress);
  return MergeResult{MergeStatus::kMerged, output, 0, progress.done.load()};
}
