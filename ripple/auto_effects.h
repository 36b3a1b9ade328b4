// The automatic effects that keep the water moving by themselves: rain, a
// stone travelling across the picture, and a scatter of drops.
#pragma once

#include <cstdint>

#include "ripple/ripple_surface.h"

// Selects an effect. Mode 0 (EffectOff) clears AutoOn and keeps the
// parameters. Any other mode stores the mode and the three parameters and sets
// AutoOn; mode 2 (EffectTrail) first sets both trail steps to param1 and draws
// the trail's start point (x, then y) from the surface's generator.
void SetAutoEffect(RippleSurface& surface, std::uint32_t mode, std::uint32_t param1, std::uint32_t param2,
                   std::uint32_t param3);

// One tick of the selected effect; drops its stones through DropStone. A mode
// without an effect does nothing.
void EffectStep(RippleSurface& surface);
