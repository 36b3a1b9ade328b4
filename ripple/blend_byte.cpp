#include "ripple/blend_byte.h"

std::uint8_t BlendByteAt(const std::uint8_t* source, std::ptrdiff_t x, std::ptrdiff_t y, std::ptrdiff_t k,
                         std::ptrdiff_t width, std::ptrdiff_t height, std::ptrdiff_t pixelStride) {
  const std::ptrdiff_t p = y * pixelStride + 3 * x + k;
  const std::uint32_t centre = source[p];
  const std::uint32_t left = x > 0 ? source[p - 3] : centre;
  const std::uint32_t right = x < width - 1 ? source[p + 3] : centre;
  const std::uint32_t up = y > 0 ? source[p - pixelStride] : centre;
  const std::uint32_t down = y < height - 1 ? source[p + pixelStride] : centre;
  return static_cast<std::uint8_t>((4u * centre + 3u * (left + right + up + down)) >> 4);
}
