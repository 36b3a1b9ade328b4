// The softening of a displaced pixel: one colour byte of the picture averaged
// with the same byte of its four neighbouring pixels.
#pragma once

#include <cstddef>
#include <cstdint>

// (4 x S[p] + 3 x (S[p - 3] + S[p + 3] + S[p - stride] + S[p + stride])) / 16,
// for a byte whose pixel lies inside the picture's border (all four
// neighbours exist). Never exceeds 255.
inline std::uint8_t BlendByte(const std::uint8_t* source, std::ptrdiff_t p, std::ptrdiff_t pixelStride) {
  const std::uint32_t sum = 4u * source[p] + 3u * source[p - 3] + 3u * source[p + 3] +
                            3u * source[p - pixelStride] + 3u * source[p + pixelStride];
  return static_cast<std::uint8_t>(sum >> 4);
}

// The blend of byte k (0 blue, 1 green, 2 red) of pixel (x, y) of a picture of
// width x height pixels. A neighbour outside the picture (beyond either end of
// a row, above the top row or below the bottom one) counts as the pixel
// itself; inside, the same as BlendByte.
std::uint8_t BlendByteAt(const std::uint8_t* source, std::ptrdiff_t x, std::ptrdiff_t y, std::ptrdiff_t k,
                         std::ptrdiff_t width, std::ptrdiff_t height, std::ptrdiff_t pixelStride);
