// One step of the water: a two-buffer wave rule with a little damping.
#pragma once

#include "ripple/ripple_surface.h"

// Unless Moving is clear: for every cell of rows 1 to Height - 2 (all columns),
// previous := (sum of the four flat neighbours of current) >> 1 - previous,
// then minus itself >> 5, in wrapping 32-bit arithmetic with arithmetic
// shifts; then the two height buffers change places. The neighbours are taken
// in the flat array, so column 0 sees the last cell of the row above.
void StepWaves(RippleSurface& surface);
