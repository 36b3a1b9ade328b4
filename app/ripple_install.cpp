#include "app/ripple_install.h"

#include <string_view>

#include "ripple/wave_api.h"

Path WaveLibraryPath() { return SystemDirectory() + kWaveLibraryFileName; }

bool InstallWaveLibrary(const Path& path, std::span<const std::uint8_t> bytes) {
  if (FileExists(path)) return false;
  const std::string_view content(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  return WriteWholeFileParts(path, std::span<const std::string_view>(&content, 1));
}
