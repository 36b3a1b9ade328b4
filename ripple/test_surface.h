// Test helper: a RippleSurface with its buffers made and a patterned picture
// read in, freed when it goes out of scope.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "ripple/ripple_surface.h"
#include "ripple/surface_buffers.h"

// Byte k of pixel (x, y) of the test picture: every pixel differs from its
// neighbours, so any displacement shows.
inline std::uint8_t PictureByte(std::ptrdiff_t x, std::ptrdiff_t y, std::ptrdiff_t k) {
  return static_cast<std::uint8_t>(x * 7 + y * 29 + k * 83 + (x * y) % 5);
}

class TestSurface {
 public:
  TestSurface(std::int32_t width, std::int32_t height) {
    SetSurfaceSize(surface, width, height);
    AllocateSurfaceBuffers(surface);
    for (std::ptrdiff_t y = 0; y < height; ++y) {
      for (std::ptrdiff_t x = 0; x < width; ++x) {
        for (std::ptrdiff_t k = 0; k < 3; ++k) Source(x, y)[k] = PictureByte(x, y, k);
      }
    }
    std::memcpy(surface.FramePixels, surface.SourcePixels, PixelBytes());
    PrepareBlend(surface);
  }
  ~TestSurface() { ReleaseSurfaceBuffers(surface); }
  TestSurface(const TestSurface&) = delete;
  TestSurface& operator=(const TestSurface&) = delete;

  std::size_t PixelBytes() const { return std::size_t{surface.PixelStride} * static_cast<std::size_t>(surface.Height); }
  std::size_t Cells() const { return static_cast<std::size_t>(surface.Width) * static_cast<std::size_t>(surface.Height); }

  std::int32_t& Current(std::ptrdiff_t x, std::ptrdiff_t y) { return surface.CurrentHeights[y * surface.Width + x]; }
  std::int32_t& Previous(std::ptrdiff_t x, std::ptrdiff_t y) { return surface.PreviousHeights[y * surface.Width + x]; }
  std::uint8_t* Source(std::ptrdiff_t x, std::ptrdiff_t y) { return surface.SourcePixels + y * surface.PixelStride + 3 * x; }
  std::uint8_t* Frame(std::ptrdiff_t x, std::ptrdiff_t y) { return surface.FramePixels + y * surface.PixelStride + 3 * x; }

  // True when every height of both buffers is zero.
  bool AllHeightsZero() const {
    for (std::size_t i = 0; i < Cells(); ++i) {
      if (surface.CurrentHeights[i] != 0 || surface.PreviousHeights[i] != 0) return false;
    }
    return true;
  }

  // True when the frame holds the picture exactly.
  bool FrameIsPicture() const { return std::memcmp(surface.FramePixels, surface.SourcePixels, PixelBytes()) == 0; }

  RippleSurface surface;
};
