// libwave.so: the four entry points over the process's one ripple surface.
// Everything else in the library stays hidden (see wave.map).
#include "ripple/wave_api.h"

#include "ripple/auto_effects.h"
#include "ripple/drop_stone.h"
#include "ripple/ripple_surface.h"
#include "ripple/wave_surface.h"

#define WAVE_EXPORT __attribute__((visibility("default")))

namespace {

// All zero until E_WaveInit fills it, and again after E_WaveFree.
RippleSurface theSurface;

}  // namespace

extern "C" {

WAVE_EXPORT std::int32_t E_WaveInit(void* window, const char* picturePath) {
  return WaveInit(theSurface, static_cast<QWidget*>(window), picturePath);
}

WAVE_EXPORT void E_WaveDropStone(std::int32_t x, std::int32_t y, std::int32_t size, std::int32_t weight) {
  DropStone(theSurface, x, y, static_cast<std::uint32_t>(size), weight);
}

WAVE_EXPORT void E_AutoEffects(std::int32_t mode, std::int32_t param1, std::int32_t param2, std::int32_t param3) {
  SetAutoEffect(theSurface, static_cast<std::uint32_t>(mode), static_cast<std::uint32_t>(param1),
                static_cast<std::uint32_t>(param2), static_cast<std::uint32_t>(param3));
}

WAVE_EXPORT void E_WaveFree() { WaveFree(theSurface); }

}  // extern "C"
