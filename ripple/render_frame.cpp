#include "ripple/render_frame.h"

#include <cstddef>
#include <cstdint>

void RenderFrame(RippleSurface& surface) {
  if ((surface.Flags & Moving) == 0) return;
  surface.Flags |= FrameDirty;
  std::uint32_t changed = 0;
  const std::int32_t width = surface.Width;
  const std::int32_t height = surface.Height;
  const std::uint32_t stride = surface.PixelStride;
  std::uint32_t* __restrict offsets = surface.RenderScratch;
  std::uint32_t* __restrict kinds = surface.RenderScratch + width;
  // Where each pixel of a row takes its colour from: its own picture pixel
  // (flat water), a softened displaced one, or its own former colour (the
  // displacement points outside). Worked out for the whole row first, without
  // branches, then copied: the water's pattern is too irregular to predict.
  const std::uint8_t* bases[3] = {surface.SourcePixels, surface.BlendedPixels, surface.FramePixels};
  for (std::int32_t y = 1; y < height - 1; ++y) {
    const std::int32_t* __restrict cells = surface.CurrentHeights + static_cast<std::ptrdiff_t>(y) * width;
    const std::uint32_t rowStart = static_cast<std::uint32_t>(y) * stride;
    for (std::int32_t x = 0; x < width; ++x) {
      const std::uint32_t dx = static_cast<std::uint32_t>(cells[x - 1]) - static_cast<std::uint32_t>(cells[x + 1]);
      const std::uint32_t dy = static_cast<std::uint32_t>(cells[x - width]) - static_cast<std::uint32_t>(cells[x + width]);
      // Wrapping sums: a position that wraps lands far outside, never inside.
      const std::uint32_t sx = static_cast<std::uint32_t>(x) + dx;
      const std::uint32_t sy = static_cast<std::uint32_t>(y) + dy;
      const std::uint32_t inPlace = (dx | dy) == 0;
      const std::uint32_t inside = (sx < static_cast<std::uint32_t>(width)) & (sy < static_cast<std::uint32_t>(height));
      const std::uint32_t moved = (inPlace ^ 1u) & inside;
      const std::uint32_t own = rowStart + 3u * static_cast<std::uint32_t>(x);
      offsets[x] = moved ? sy * stride + 3u * sx : own;
      kinds[x] = inPlace ? 0u : (inside ? 1u : 2u);
      changed |= moved;
    }
    std::uint8_t* frame = surface.FramePixels + rowStart;
    for (std::int32_t x = 0; x < width; ++x) {
      const std::uint8_t* from = bases[kinds[x]] + offsets[x];
      const std::uint8_t blue = from[0];
      const std::uint8_t green = from[1];
      const std::uint8_t red = from[2];
      frame[3 * x] = blue;
      frame[3 * x + 1] = green;
      frame[3 * x + 2] = red;
    }
  }
  if (changed == 0) surface.Flags &= ~static_cast<std::uint32_t>(Moving);
}
