#include "ripple/step_waves.h"

#include <cstddef>
#include <utility>

void StepWaves(RippleSurface& surface) {
  if ((surface.Flags & Moving) == 0) return;
  const std::ptrdiff_t width = surface.Width;
  const std::ptrdiff_t end = width * (surface.Height - 1);
  const std::int32_t* __restrict current = surface.CurrentHeights;
  std::int32_t* __restrict previous = surface.PreviousHeights;
  for (std::ptrdiff_t i = width; i < end; ++i) {
    const std::uint32_t sum = static_cast<std::uint32_t>(current[i - 1]) + static_cast<std::uint32_t>(current[i + 1]) +
                              static_cast<std::uint32_t>(current[i - width]) +
                              static_cast<std::uint32_t>(current[i + width]);
    const std::int32_t half = static_cast<std::int32_t>(sum) >> 1;
    const std::uint32_t wave = static_cast<std::uint32_t>(half) - static_cast<std::uint32_t>(previous[i]);
    const std::int32_t damping = static_cast<std::int32_t>(wave) >> 5;
    previous[i] = static_cast<std::int32_t>(wave - static_cast<std::uint32_t>(damping));
  }
  std::swap(surface.CurrentHeights, surface.PreviousHeights);
}
