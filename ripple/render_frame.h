// Building a frame: the picture seen through the water.
#pragma once

#include "ripple/ripple_surface.h"

// Unless Moving is clear: sets FrameDirty and rewrites FramePixels for rows 1
// to Height - 2. A pixel whose water is flat (the left and right neighbours
// equal, the upper and lower equal) gets the picture's own pixel; any other
// takes the softened picture pixel displaced by the height differences
// (left - right across, upper - lower down), or keeps its colour when that
// point lies outside the picture. Clears Moving when no pixel was displaced.
// Showing the frame is the caller's: FrameDirty says one is waiting.
void RenderFrame(RippleSurface& surface);
