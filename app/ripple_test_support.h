// Test helpers for the ripple client: library and picture files in the
// temporary directory, what a widget shows, and waiting on the event loop.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "app/ripple_embedded.h"
#include "platform/system.h"
#include "ripple/wait_for_events.h"

inline Path WriteTempFile(const std::string& name, std::span<const std::uint8_t> bytes) {
  const Path path = TempDirectory() + name;
  const std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  WriteWholeFileParts(path, std::span<const std::string_view>(&view, 1));
  return path;
}

// A copy of the program's ripple library of its own; its path.
inline Path InstallFreshLibrary(const std::string& name) { return WriteTempFile(name + "-libwave.so", WaveLibraryBytes()); }

// The ripple picture in a temporary file; its path.
inline Path WriteRipplePicture() { return WriteTempFile("ripple-picture.bmp", RipplePictureBytes()); }

// True when the widget, as drawn, shows the top-left corner of the ripple
// picture exactly.
inline bool ShowsRipplePicture(QWidget& widget) {
  const std::span<const std::uint8_t> bytes = RipplePictureBytes();
  const QImage picture =
      QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "BMP").convertToFormat(QImage::Format_RGB32);
  const QImage shown = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      if (shown.pixel(x, y) != picture.pixel(x, y)) return false;
    }
  }
  return true;
}

