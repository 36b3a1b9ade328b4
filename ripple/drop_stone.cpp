#include "ripple/drop_stone.h"

#include <cstddef>

void DropStone(RippleSurface& surface, std::int32_t x, std::int32_t y, std::uint32_t size, std::int32_t weight) {
  // Worked in 64 bits so that no position wraps into the picture.
  const std::int64_t r = size >> 1;
  if (x + r + 1 >= surface.Width || x - r < 1 || y + r + 1 >= surface.Height || y - r < 1) return;
  const std::ptrdiff_t width = surface.Width;
  for (std::ptrdiff_t row = y - r; row <= y + r; ++row) {
    std::int32_t* cells = surface.CurrentHeights + row * width;
    for (std::ptrdiff_t column = x - r; column <= x + r; ++column) cells[column] = weight;
  }
  surface.Flags |= Moving;
}
