#include "ripple/surface_buffers.h"

#include <cstddef>
#include <cstdlib>

#include "ripple/blend_byte.h"

namespace {

template <typename T>
void Release(T*& buffer) {
  std::free(buffer);
  buffer = nullptr;
}

template <typename T>
bool Allocate(T*& buffer, std::size_t bytes) {
  buffer = static_cast<T*>(std::calloc(bytes == 0 ? 1 : bytes, 1));
  return buffer != nullptr;
}

}  // namespace

void SetSurfaceSize(RippleSurface& surface, std::int32_t width, std::int32_t height) {
  surface.Width = width;
  surface.Height = height;
  surface.HeightStride = 4u * static_cast<std::uint32_t>(width);
  surface.PixelStride = (3u * static_cast<std::uint32_t>(width) + 3u) & ~3u;
}

bool AllocateSurfaceBuffers(RippleSurface& surface) {
  const std::size_t rows = static_cast<std::size_t>(surface.Height);
  const std::size_t heightBytes = static_cast<std::size_t>(surface.HeightStride) * rows;
  const std::size_t pixelBytes = static_cast<std::size_t>(surface.PixelStride) * rows;
  bool made = Allocate(surface.CurrentHeights, heightBytes);
  made = Allocate(surface.PreviousHeights, heightBytes) && made;
  made = Allocate(surface.SourcePixels, pixelBytes) && made;
  made = Allocate(surface.FramePixels, pixelBytes) && made;
  made = Allocate(surface.BlendedPixels, pixelBytes) && made;
  made = Allocate(surface.RenderScratch, 8u * static_cast<std::size_t>(surface.Width)) && made;
  return made;
}

void ReleaseSurfaceBuffers(RippleSurface& surface) {
  Release(surface.SourcePixels);
  Release(surface.FramePixels);
  Release(surface.CurrentHeights);
  Release(surface.PreviousHeights);
  Release(surface.BlendedPixels);
  Release(surface.RenderScratch);
}

void PrepareBlend(RippleSurface& surface) {
  const std::ptrdiff_t width = surface.Width;
  const std::ptrdiff_t height = surface.Height;
  const std::ptrdiff_t stride = surface.PixelStride;
  for (std::ptrdiff_t y = 0; y < height; ++y) {
    for (std::ptrdiff_t x = 0; x < width; ++x) {
      for (std::ptrdiff_t k = 0; k < 3; ++k) {
        const std::ptrdiff_t p = y * stride + 3 * x + k;
        surface.BlendedPixels[p] = BlendByteAt(surface.SourcePixels, x, y, k, width, height, stride);
      }
    }
  }
}
