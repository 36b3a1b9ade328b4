#include "ripple/render_frame.h"

#include <cstddef>
#include <cstring>

#include "ripple/wrapping.h"

void RenderFrame(RippleSurface& surface) {
  if ((surface.Flags & Moving) == 0) return;
  surface.Flags |= FrameDirty;
  bool changed = false;
  const std::ptrdiff_t width = surface.Width;
  const std::ptrdiff_t height = surface.Height;
  const std::ptrdiff_t stride = surface.PixelStride;
  const std::uint8_t* blended = surface.BlendedPixels;
  for (std::ptrdiff_t y = 1; y < height - 1; ++y) {
    const std::int32_t* cells = surface.CurrentHeights + y * width;
    const std::uint8_t* source = surface.SourcePixels + y * stride;
    std::uint8_t* frame = surface.FramePixels + y * stride;
    for (std::ptrdiff_t x = 0; x < width; ++x) {
      const std::int32_t dx = WrapSub(cells[x - 1], cells[x + 1]);
      const std::int32_t dy = WrapSub(cells[x - width], cells[x + width]);
      if ((dx | dy) == 0) {
        std::memcpy(frame + 3 * x, source + 3 * x, 3);
        continue;
      }
      const std::int64_t sx = x + static_cast<std::int64_t>(dx);
      const std::int64_t sy = y + static_cast<std::int64_t>(dy);
      if (sx < 0 || sx >= width || sy < 0 || sy >= height) continue;
      changed = true;
      std::memcpy(frame + 3 * x, blended + sy * stride + 3 * sx, 3);
    }
  }
  if (!changed) surface.Flags &= ~static_cast<std::uint32_t>(Moving);
}
