// Test helper: a shown window standing for the picture box, and a check of
// what it shows.
#pragma once

#include <QImage>
#include <QWidget>
#include <memory>

#include "ripple/test_surface.h"

// True when the window, as drawn, shows the test picture's top-left corner.
inline bool ShowsThePicture(QWidget& window) {
  const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      const QRgb expected = qRgb(PictureByte(x, y, 2), PictureByte(x, y, 1), PictureByte(x, y, 0));
      if (shown.pixel(x, y) != expected) return false;
    }
  }
  return true;
}

// A window of the picture box's size, shown.
inline std::unique_ptr<QWidget> PictureBox(int width = 172, int height = 193) {
  auto window = std::make_unique<QWidget>();
  window->resize(width, height);
  window->show();
  return window;
}
