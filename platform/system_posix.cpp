#include "platform/system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

Path WithSlash(Path directory) {
  if (directory.empty() || directory.back() != '/') directory.push_back('/');
  return directory;
}

Path EnvironmentOr(const char* name, const Path& fallback) {
  const char* value = std::getenv(name);
  return (value != nullptr && *value != '\0') ? Path(value) : fallback;
}

// Creates the directory and its parents; true when it exists afterwards.
bool MakeDirectories(const Path& directory) {
  for (std::size_t slash = directory.find('/', 1); slash != Path::npos;
       slash = directory.find('/', slash + 1)) {
    ::mkdir(directory.substr(0, slash).c_str(), 0755);
  }
  ::mkdir(directory.c_str(), 0755);
  struct stat status;
  return ::stat(directory.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

int UptimeMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u + static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
  return static_cast<int>(static_cast<std::uint32_t>(ms));
}

bool FileExists(const Path& path) {
  struct stat status;
  return !path.empty() && ::stat(path.c_str(), &status) == 0;
}

Bytes ReadWholeFile(const Path& path) {
  if (path.empty()) return Bytes();
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Bytes();
  Bytes content;
  struct stat status;
  if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
    content.reserve(static_cast<std::size_t>(status.st_size));
  }
  std::uint8_t buffer[64 * 1024];
  while (true) {
    ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      content.clear();
      break;
    }
    if (got == 0) break;
    content.insert(content.end(), buffer, buffer + got);
  }
  ::close(fd);
  return content;
}

bool WriteWholeFileParts(const Path& path, std::span<const std::string_view> parts) {
  if (path.empty()) return false;
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool written = true;
  for (std::string_view part : parts) {
    while (written && !part.empty()) {
      ssize_t put = ::write(fd, part.data(), part.size());
      if (put < 0 && errno == EINTR) continue;
      if (put <= 0) {
        written = false;
        break;
      }
      part.remove_prefix(static_cast<std::size_t>(put));
    }
  }
  if (::close(fd) != 0) written = false;
  return written;
}

Path TempDirectory() { return WithSlash(EnvironmentOr("TMPDIR", "/tmp")); }

Path TempFileName() {
  static std::uint32_t calls = 0;
  std::uint32_t n = static_cast<std::uint32_t>(UptimeMs()) + calls++;
  const Path directory = TempDirectory();
  while (true) {
    char name[16];
    std::snprintf(name, sizeof name, "%x", n);
    Path candidate = directory + name + ".tmp";
    if (!FileExists(candidate)) return candidate;
    ++n;
  }
}

Path RunDirectory() {
  char buffer[4096];
  ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length <= 0) return Path(".");
  Path executable(buffer, static_cast<std::size_t>(length));
  std::size_t slash = executable.rfind('/');
  return slash == 0 ? Path("/") : executable.substr(0, slash);
}

Path SystemDirectory() {
  const Path home = EnvironmentOr("HOME", "/tmp");
  const Path data = EnvironmentOr("XDG_DATA_HOME", home + "/.local/share");
  Path directory = WithSlash(data) + "polvane/lib/";
  MakeDirectories(directory.substr(0, directory.size() - 1));
  return directory;
}
