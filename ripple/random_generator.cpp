#include "ripple/random_generator.h"

std::uint32_t NextRandom16(RippleSurface& surface) {
  const std::uint32_t result = surface.RandomState & 0xFFFFu;
  surface.RandomState =
      static_cast<std::uint32_t>((static_cast<std::uint64_t>(surface.RandomState) * 32767u + 2047u) % 2147483647u);
  return result;
}

std::uint32_t RandomBelow(RippleSurface& surface, std::uint32_t n) {
  const std::uint32_t low = NextRandom16(surface);
  const std::uint32_t high = NextRandom16(surface);
  const std::uint32_t value = (high << 16) | low;
  return n != 0 ? value % n : value;
}
