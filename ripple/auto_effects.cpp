#include "ripple/auto_effects.h"

#include "ripple/drop_stone.h"
#include "ripple/random_generator.h"
#include "ripple/wrapping.h"

namespace {

// A random column within 1 to Width - 2, as a position.
std::int32_t RandomColumn(RippleSurface& surface) {
  return static_cast<std::int32_t>(RandomBelow(surface, static_cast<std::uint32_t>(surface.Width) - 2u) + 1u);
}

// A random row within 1 to Height - 2, as a position.
std::int32_t RandomRow(RippleSurface& surface) {
  return static_cast<std::int32_t>(RandomBelow(surface, static_cast<std::uint32_t>(surface.Height) - 2u) + 1u);
}

void RainStep(RippleSurface& surface) {
  if (surface.EffectParam1 != 0 && RandomBelow(surface, surface.EffectParam1) != 0) return;
  const std::int32_t x = RandomColumn(surface);
  const std::int32_t y = RandomRow(surface);
  const std::uint32_t size = RandomBelow(surface, surface.EffectParam2) + 1u;
  const std::int32_t weight = static_cast<std::int32_t>(RandomBelow(surface, surface.EffectParam3) + 50u);
  DropStone(surface, x, y, size, weight);
}

void TrailStep(RippleSurface& surface) {
  ++surface.TrailTicks;
  if ((surface.TrailTicks & 1u) != 0) return;
  const std::int32_t lastX = surface.Width - 1;
  const std::int32_t lastY = surface.Height - 1;
  std::int32_t nx = WrapAdd(surface.TrailX, surface.TrailStepX);
  std::int32_t ny = WrapAdd(surface.TrailY, surface.TrailStepY);
  // The low edge mirrors p to 1 - p, the high edge to 2 x last - p.
  if (nx < 1) {
    nx = WrapSub(1, nx);
    surface.TrailStepX = WrapNeg(surface.TrailStepX);
  }
  if (ny < 1) {
    ny = WrapSub(1, ny);
    surface.TrailStepY = WrapNeg(surface.TrailStepY);
  }
  if (nx >= lastX) {
    nx = WrapSub(WrapAdd(lastX, lastX), nx);
    surface.TrailStepX = WrapNeg(surface.TrailStepX);
  }
  if (ny >= lastY) {
    ny = WrapSub(WrapAdd(lastY, lastY), ny);
    surface.TrailStepY = WrapNeg(surface.TrailStepY);
  }
  surface.TrailX = nx;
  surface.TrailY = ny;
  DropStone(surface, nx, ny, surface.EffectParam2, static_cast<std::int32_t>(surface.EffectParam3));
}

void ScatterStep(RippleSurface& surface) {
  const std::uint64_t drops = static_cast<std::uint64_t>(surface.EffectParam1) + 1u;
  for (std::uint64_t j = 0; j < drops; ++j) {
    const std::int32_t x = RandomColumn(surface);
    const std::int32_t y = RandomRow(surface);
    const std::uint32_t size = RandomBelow(surface, surface.EffectParam2) + 1u;
    const std::int32_t weight = static_cast<std::int32_t>(RandomBelow(surface, surface.EffectParam3));
    DropStone(surface, x, y, size, weight);
  }
}

}  // namespace

void SetAutoEffect(RippleSurface& surface, std::uint32_t mode, std::uint32_t param1, std::uint32_t param2,
                   std::uint32_t param3) {
  if (mode == EffectOff) {
    surface.Flags &= ~static_cast<std::uint32_t>(AutoOn);
    surface.EffectMode = EffectOff;
    return;
  }
  if (mode == EffectTrail) {
    surface.TrailStepX = static_cast<std::int32_t>(param1);
    surface.TrailStepY = static_cast<std::int32_t>(param1);
    surface.TrailX = RandomColumn(surface);
    surface.TrailY = RandomRow(surface);
  }
  surface.EffectMode = mode;
  surface.EffectParam1 = param1;
  surface.EffectParam2 = param2;
  surface.EffectParam3 = param3;
  surface.Flags |= AutoOn;
}

void EffectStep(RippleSurface& surface) {
  switch (surface.EffectMode) {
    case EffectRain: RainStep(surface); break;
    case EffectTrail: TrailStep(surface); break;
    case EffectScatter: ScatterStep(surface); break;
    default: break;
  }
}
