#include "ripple/frame_image.h"

void FrameToRgb32(const RippleSurface& surface, std::uint32_t* out, std::ptrdiff_t outStride) {
  const std::ptrdiff_t width = surface.Width;
  for (std::ptrdiff_t y = 0; y < surface.Height; ++y) {
    const std::uint8_t* pixel = surface.FramePixels + y * static_cast<std::ptrdiff_t>(surface.PixelStride);
    std::uint32_t* row = out + y * outStride;
    for (std::ptrdiff_t x = 0; x < width; ++x, pixel += 3) {
      row[x] = 0xFF000000u | (std::uint32_t{pixel[2]} << 16) | (std::uint32_t{pixel[1]} << 8) | pixel[0];
    }
  }
}
