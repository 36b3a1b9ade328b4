// MergeDisk on Linux: copy_file_range, O_TMPFILE and rename.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <mutex>
#include <unordered_map>

#include "merge/merge_disk.h"

namespace {

constexpr mode_t kOutputMode = 0644;

int Fail() { return errno == 0 ? -EIO : -errno; }

Path DirectoryOf(const Path& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == Path::npos) return Path(".");
  if (slash == 0) return Path("/");
  return path.substr(0, slash);
}

Path NameOf(const Path& path) {
  const std::size_t slash = path.rfind('/');
  return slash == Path::npos ? path : path.substr(slash + 1);
}

// A hidden name beside `finalPath` that no file has at this moment, made from
// the process id and a counter: "/dir/.name.pid-n".
Path HiddenNameBeside(const Path& finalPath) {
  static std::atomic<unsigned> counter{0};
  char suffix[48];
  std::snprintf(suffix, sizeof suffix, ".%x-%x", static_cast<unsigned>(::getpid()), counter++);
  return DirectoryOf(finalPath) + "/." + NameOf(finalPath) + suffix;
}

class PosixMergeDisk : public MergeDisk {
 public:
  explicit PosixMergeDisk(bool unnamedOutputs) : unnamedOutputs_(unnamedOutputs) {}

  std::int64_t InputSize(const Path& path) override {
    struct stat status;
    if (::stat(path.c_str(), &status) != 0) return Fail();
    if (S_ISDIR(status.st_mode)) return -EISDIR;
    return S_ISREG(status.st_mode) ? static_cast<std::int64_t>(status.st_size) : 0;
  }

  int OpenInput(const Path& path) override {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Fail();
    struct stat status;
    if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
      ::close(fd);
      return -EISDIR;
    }
    return fd;
  }

  void CloseInput(int input) override { ::close(input); }

  int CreateOutput(const Path& finalPath) override {
    if (unnamedOutputs_) {
      const int fd = ::open(DirectoryOf(finalPath).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, kOutputMode);
      if (fd >= 0) return Remember(fd, Path());
      // Only a file system without unnamed files goes on to a hidden name.
      if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return Fail();
    }
    Path hidden = DirectoryOf(finalPath) + "/." + NameOf(finalPath) + ".XXXXXX";
    const int fd = ::mkostemp(hidden.data(), O_CLOEXEC);
    if (fd < 0) return Fail();
    ::fchmod(fd, kOutputMode);
    return Remember(fd, std::move(hidden));
  }

  std::int64_t CopyRange(int input, int output, std::int64_t limit) override {
    while (true) {
      const ssize_t copied = ::copy_file_range(input, nullptr, output, nullptr, static_cast<std::size_t>(limit), 0);
      if (copied >= 0) return copied;
      if (errno != EINTR) return Fail();
    }
  }

  std::int64_t Read(int input, std::uint8_t* buffer, std::size_t size) override {
    while (true) {
      const ssize_t got = ::read(input, buffer, size);
      if (got >= 0) return got;
      if (errno != EINTR) return Fail();
    }
  }

  std::int64_t Write(int output, const std::uint8_t* buffer, std::size_t size) override {
    while (true) {
      const ssize_t put = ::write(output, buffer, size);
      if (put >= 0) return put;
      if (errno != EINTR) return Fail();
    }
  }

  int FinishOutput(int output, const Path& finalPath) override {
    const Path hidden = Forget(output);
    if (!hidden.empty()) {
      if (::close(output) != 0) return Undo(hidden);
      if (::rename(hidden.c_str(), finalPath.c_str()) != 0) return Undo(hidden);
      return 0;
    }
    // An unnamed file: give it the final name at once when that name is free,
    // else a hidden name first and then rename it over the earlier file.
    if (LinkUnnamed(output, finalPath) == 0) {
      if (::close(output) != 0) return Undo(finalPath);
      return 0;
    }
    if (errno != EEXIST) {
      const int error = Fail();
      ::close(output);
      return error;
    }
    Path linked;
    int result;
    do {
      linked = HiddenNameBeside(finalPath);
      result = LinkUnnamed(output, linked);
    } while (result != 0 && errno == EEXIST);
    if (result != 0) {
      const int error = Fail();
      ::close(output);
      return error;
    }
    if (::close(output) != 0) return Undo(linked);
    if (::rename(linked.c_str(), finalPath.c_str()) != 0) return Undo(linked);
    return 0;
  }

  void DiscardOutput(int output) override {
    const Path hidden = Forget(output);
    ::close(output);
    if (!hidden.empty()) ::unlink(hidden.c_str());
  }

 private:
  int Remember(int fd, Path hidden) {
    std::lock_guard<std::mutex> lock(mutex_);
    hiddenNames_[fd] = std::move(hidden);
    return fd;
  }

  // The hidden name of the output (empty for an unnamed one), forgotten.
  Path Forget(int fd) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = hiddenNames_.find(fd);
    if (found == hiddenNames_.end()) return Path();
    Path hidden = std::move(found->second);
    hiddenNames_.erase(found);
    return hidden;
  }

  // Removes a name given to a failed output; the failure's -errno.
  static int Undo(const Path& name) {
    const int error = Fail();
    ::unlink(name.c_str());
    return error;
  }

  // Names an unnamed file: through /proc, or through the descriptor itself
  // where /proc is missing. 0, or -1 with errno set.
  static int LinkUnnamed(int fd, const Path& name) {
    char procPath[64];
    std::snprintf(procPath, sizeof procPath, "/proc/self/fd/%d", fd);
    if (::linkat(AT_FDCWD, procPath, AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
    if (errno != ENOENT || FileExists("/proc/self")) return -1;
    return ::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH);
  }

  const bool unnamedOutputs_;
  std::mutex mutex_;
  std::unordered_map<int, Path> hiddenNames_;
};

}  // namespace

MergeDisk& SystemDisk() {
  static PosixMergeDisk disk(true);
  return disk;
}

MergeDisk& SystemDiskWithNamedOutputs() {
  static PosixMergeDisk disk(false);
  return disk;
}
