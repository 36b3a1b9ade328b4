// Handing a built frame to the window's format: 24-bit rows to 32-bit pixels.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ripple/ripple_surface.h"

// Writes FramePixels as Width x Height pixels 0xFFRRGGBB into `out`, whose
// rows are `outStride` pixels apart. `out` belongs to the caller.
void FrameToRgb32(const RippleSurface& surface, std::uint32_t* out, std::ptrdiff_t outStride);
