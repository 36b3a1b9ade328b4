// Stones: the disturbances that set the water moving.
#pragma once

#include <cstdint>

#include "ripple/ripple_surface.h"

// Sets every height of the square of 2 x (size / 2) + 1 cells centred on
// (x, y) to `weight` (replacing, not adding) and sets Moving. A square that
// would reach the outermost row or column, or lie outside, is ignored whole:
// nothing is written and Moving keeps its state. On an empty record nothing
// fits.
void DropStone(RippleSurface& surface, std::int32_t x, std::int32_t y, std::uint32_t size, std::int32_t weight);
