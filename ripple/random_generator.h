// The surface's own random generator, used by the automatic effects. It is
// not the program's generator and shares nothing with it.
#pragma once

#include <cstdint>

#include "ripple/ripple_surface.h"

// Returns the low 16 bits of RandomState, then advances it to
// (state x 32767 + 2047) mod 2147483647.
std::uint32_t NextRandom16(RippleSurface& surface);

// Two draws, low half first: (high << 16 | low) mod n, or the whole 32-bit
// value when n is 0.
std::uint32_t RandomBelow(RippleSurface& surface, std::uint32_t n);
