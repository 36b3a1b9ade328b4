// The file operations a merge is made of, behind an interface so that tests
// can make any one of them fail. Every count or handle it returns is a
// negative errno value on failure.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/system.h"

class MergeDisk {
 public:
  virtual ~MergeDisk() = default;

  // The size in bytes of the file to be read (0 for a pipe or a device, whose
  // size is unknown); -EISDIR for a directory, -errno when it cannot be examined.
  virtual std::int64_t InputSize(const Path& path) = 0;

  // Opens the file for reading from its start: a handle, or -errno.
  virtual int OpenInput(const Path& path) = 0;
  virtual void CloseInput(int input) = 0;

  // Starts an output in the directory of `finalPath` that nobody sees under
  // that name until FinishOutput: a handle, or -errno.
  virtual int CreateOutput(const Path& finalPath) = 0;

  // Copies up to `limit` bytes from the input's position to the output's
  // inside the kernel, moving both positions: the number copied, 0 at the end
  // of the input, or -errno (among them -EXDEV, -EINVAL and -EOPNOTSUPP when
  // this pair of files cannot be copied that way).
  virtual std::int64_t CopyRange(int input, int output, std::int64_t limit) = 0;

  // Reads up to `size` bytes: the number read, 0 at the end, or -errno.
  virtual std::int64_t Read(int input, std::uint8_t* buffer, std::size_t size) = 0;

  // Writes up to `size` bytes: the number written (perhaps fewer), or -errno.
  virtual std::int64_t Write(int output, const std::uint8_t* buffer, std::size_t size) = 0;

  // Closes the output and gives it the name `finalPath`, replacing a file of
  // that name: 0, or -errno, in which case nothing of the output remains and
  // an earlier file of that name is untouched.
  virtual int FinishOutput(int output, const Path& finalPath) = 0;

  // Closes the output and removes it; a file named like it is untouched.
  virtual void DiscardOutput(int output) = 0;
};

// The real file system: copy_file_range for the kernel copy, an unnamed file
// (O_TMPFILE) for the output where the file system has them and a hidden
// temporary name beside the final one where not. Safe to share between threads.
MergeDisk& SystemDisk();

// The same, but always with a hidden temporary name beside the final one, as
// on file systems without unnamed files.
MergeDisk& SystemDiskWithNamedOutputs();
