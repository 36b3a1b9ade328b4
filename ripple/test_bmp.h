// Test helper: BMP files made by hand, of the test picture (PictureByte).
#pragma once

#include <cstdint>
#include <string>

#include "ripple/test_surface.h"

namespace test_bmp {

inline void Put16(std::string& out, int value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

inline void Put32(std::string& out, std::int64_t value) {
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((value >> shift) & 0xFF);
}

}  // namespace test_bmp

// The bytes of a BMP file of width x height pixels of the test picture:
// 24 or 32 bits a pixel, rows bottom-up or (topDown) top-down.
inline std::string TestBmp(int width, int height, int bitsPerPixel = 24, bool topDown = false) {
  using test_bmp::Put16;
  using test_bmp::Put32;
  const int bytesPerPixel = bitsPerPixel / 8;
  const int stride = (width * bytesPerPixel + 3) & ~3;
  const std::int64_t imageSize = static_cast<std::int64_t>(stride) * height;
  std::string out = "BM";
  Put32(out, 54 + imageSize);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, width);
  Put32(out, topDown ? -height : height);
  Put16(out, 1);
  Put16(out, bitsPerPixel);
  Put32(out, 0);  // BI_RGB
  Put32(out, imageSize);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int row = 0; row < height; ++row) {
    const int y = topDown ? row : height - 1 - row;
    std::string line;
    for (int x = 0; x < width; ++x) {
      for (int k = 0; k < 3; ++k) line += static_cast<char>(PictureByte(x, y, k));
      if (bytesPerPixel == 4) line += '\0';
    }
    line.resize(static_cast<std::size_t>(stride), '\0');
    out += line;
  }
  return out;
}

// An 8-bit paletted BMP of width x height whose pixel (x, y) is palette entry
// (x + 2y) % 4; entry i is blue 10i + 1, green 10i + 2, red 10i + 3.
inline std::string PalettedTestBmp(int width, int height) {
  using test_bmp::Put16;
  using test_bmp::Put32;
  const int stride = (width + 3) & ~3;
  const int offset = 54 + 4 * 4;
  std::string out = "BM";
  Put32(out, offset + static_cast<std::int64_t>(stride) * height);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, 40);
  Put32(out, width);
  Put32(out, height);
  Put16(out, 1);
  Put16(out, 8);
  Put32(out, 0);
  Put32(out, static_cast<std::int64_t>(stride) * height);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, 4);
  Put32(out, 0);
  for (int i = 0; i < 4; ++i) {
    out += static_cast<char>(10 * i + 1);
    out += static_cast<char>(10 * i + 2);
    out += static_cast<char>(10 * i + 3);
    out += '\0';
  }
  for (int row = 0; row < height; ++row) {
    const int y = height - 1 - row;
    std::string line;
    for (int x = 0; x < width; ++x) line += static_cast<char>((x + 2 * y) % 4);
    line.resize(static_cast<std::size_t>(stride), '\0');
    out += line;
  }
  return out;
}
