#include "ripple/ripple_tick.h"

#include "ripple/auto_effects.h"
#include "ripple/render_frame.h"
#include "ripple/step_waves.h"

void RippleTick(RippleSurface& surface, FrameShower show) {
  StepWaves(surface);
  RenderFrame(surface);
  if ((surface.Flags & FrameDirty) != 0) {
    if (show != nullptr) show(surface);
    surface.Flags &= ~static_cast<std::uint32_t>(FrameDirty);
  }
  if ((surface.Flags & AutoOn) != 0) EffectStep(surface);
}
