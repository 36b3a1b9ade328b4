// One tick of a running surface, every 30 ms.
#pragma once

#include "ripple/ripple_surface.h"

// Puts a rendered frame on the window; called only when one is waiting.
using FrameShower = void (*)(RippleSurface& surface);

// In this order: StepWaves, RenderFrame, show (only when FrameDirty is set,
// which it then clears), and EffectStep when AutoOn is set. A stone dropped by
// the effect enters the water at the next tick. `show` may be null.
void RippleTick(RippleSurface& surface, FrameShower show);
