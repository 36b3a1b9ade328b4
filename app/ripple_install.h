// Installing the ripple library into the per-user library directory.
#pragma once

#include <cstdint>
#include <span>

#include "platform/system.h"

// Where the program keeps and loads the ripple library: SystemDirectory()
// (by default ~/.local/share/polvane/lib/) followed by "libwave.so".
Path WaveLibraryPath();

// Writes `bytes` to `path` when no file of that name exists; a file that is
// already there is never replaced, whatever it holds. True when this call
// wrote the whole file; false when one existed or the write failed.
bool InstallWaveLibrary(const Path& path, std::span<const std::uint8_t> bytes);
