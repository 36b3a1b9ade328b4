// Sizing, making and freeing the buffers of a RippleSurface.
#pragma once

#include <cstdint>

#include "ripple/ripple_surface.h"

// Sets Width and Height, HeightStride (4 x width) and PixelStride (3 x width
// rounded up to a multiple of 4). Makes nothing.
void SetSurfaceSize(RippleSurface& surface, std::int32_t width, std::int32_t height);

// Makes the six zero-filled buffers for the record's size. False when one of
// them could not be made; those that were made stay in the record, for
// ReleaseSurfaceBuffers.
bool AllocateSurfaceBuffers(RippleSurface& surface);

// Frees every buffer the record holds and empties those fields; a second call
// frees nothing.
void ReleaseSurfaceBuffers(RippleSurface& surface);

// Fills BlendedPixels from SourcePixels; call once the picture has been read.
void PrepareBlend(RippleSurface& surface);
