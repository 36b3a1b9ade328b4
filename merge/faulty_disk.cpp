#include "merge/faulty_disk.h"

#include <algorithm>
#include <cerrno>

int FaultyDisk::CreateOutput(const Path& finalPath) {
  if (createError != 0) return createError;
  return real_.CreateOutput(finalPath);
}

std::int64_t FaultyDisk::CopyRange(int input, int output, std::int64_t limit) {
  if (beforePiece) beforePiece();
  if (copyRangeError != 0) return copyRangeError;
  return real_.CopyRange(input, output, limit);
}

std::int64_t FaultyDisk::Read(int input, std::uint8_t* buffer, std::size_t size) {
  if (beforePiece) beforePiece();
  if (readFailsAfter >= 0) {
    if (bytesRead >= readFailsAfter) return readError;
    size = std::min<std::size_t>(size, static_cast<std::size_t>(readFailsAfter - bytesRead));
  }
  const std::int64_t got = real_.Read(input, buffer, size);
  if (got > 0) bytesRead += got;
  return got;
}

std::int64_t FaultyDisk::Write(int output, const std::uint8_t* buffer, std::size_t size) {
  if (writeFailsAfter >= 0) {
    if (bytesWritten >= writeFailsAfter) return writeError;
    size = std::min<std::size_t>(size, static_cast<std::size_t>(writeFailsAfter - bytesWritten));
  }
  const std::int64_t put = real_.Write(output, buffer, size);
  if (put > 0) bytesWritten += put;
  return put;
}

int FaultyDisk::FinishOutput(int output, const Path& finalPath) {
  if (finishError != 0) {
    real_.DiscardOutput(output);
    return finishError;
  }
  return real_.FinishOutput(output, finalPath);
}
