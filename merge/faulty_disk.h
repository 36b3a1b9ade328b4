// Test helper: the real file system with failures put in on request.
#pragma once

#include <functional>

#include "merge/merge_disk.h"

class FaultyDisk : public MergeDisk {
 public:
  // -errno that CopyRange always answers (0: copy for real).
  int copyRangeError = 0;
  // After this many bytes have been read (or written), Read (or Write)
  // answers `readError` (or `writeError`); -1 never.
  std::int64_t readFailsAfter = -1;
  int readError = -EIO;
  std::int64_t writeFailsAfter = -1;
  int writeError = -ENOSPC;
  // -errno for CreateOutput and FinishOutput (0: do it for real).
  int createError = 0;
  int finishError = 0;
  // Runs before each piece is copied, read or written.
  std::function<void()> beforePiece;

  explicit FaultyDisk(MergeDisk& real = SystemDisk()) : real_(real) {}

  std::int64_t InputSize(const Path& path) override { return real_.InputSize(path); }
  int OpenInput(const Path& path) override { return real_.OpenInput(path); }
  void CloseInput(int input) override { real_.CloseInput(input); }
  int CreateOutput(const Path& finalPath) override;
  std::int64_t CopyRange(int input, int output, std::int64_t limit) override;
  std::int64_t Read(int input, std::uint8_t* buffer, std::size_t size) override;
  std::int64_t Write(int output, const std::uint8_t* buffer, std::size_t size) override;
  int FinishOutput(int output, const Path& finalPath) override;
  void DiscardOutput(int output) override { real_.DiscardOutput(output); }

  std::int64_t bytesRead = 0;
  std::int64_t bytesWritten = 0;

 private:
  MergeDisk& real_;
};
