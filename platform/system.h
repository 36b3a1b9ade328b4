// The operating-system services Polvane's logic calls directly: clock, files
// and directories. Paths are in the system's own encoding (not GBK), so a file
// name that GBK cannot spell still works. Directory names end in "/".
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "text/bytes.h"

// A file system path in the system's own encoding.
using Path = std::string;

// Milliseconds since the system started, as a 32-bit count that wraps.
int UptimeMs();

// True when a file or directory of that name exists.
bool FileExists(const Path& path);

// The whole content of the file; empty when the path is empty or the file
// cannot be opened or read.
Bytes ReadWholeFile(const Path& path);

// Creates or truncates the file and writes the parts one after another; false
// when the path is empty or the file cannot be created or written.
bool WriteWholeFileParts(const Path& path, std::span<const std::string_view> parts);

template <typename... Parts>
bool WriteWholeFile(const Path& path, const Parts&... parts) {
  const std::string_view views[] = {std::string_view(), BytesView(parts)...};
  return WriteWholeFileParts(path, std::span<const std::string_view>(views).subspan(1));
}

// The user's temporary directory, ending in "/".
Path TempDirectory();

// A full path in the temporary directory that names no existing file; the
// file is not created.
Path TempFileName();

// The directory that holds the program's executable, without a trailing "/".
Path RunDirectory();

// The per-user directory where Polvane installs its shared libraries
// ($XDG_DATA_HOME/polvane/lib/, by default ~/.local/share/polvane/lib/),
// ending in "/". Created when missing, as far as that is possible.
Path SystemDirectory();
