// One moving tick of the ripple surface on the program's 174 x 193 picture
// under steady rain: the wave step and the frame render, with the hand-over of
// the frame to 32-bit pixels measured beside it. Report the median.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "ripple/auto_effects.h"
#include "ripple/frame_image.h"
#include "ripple/render_frame.h"
#include "ripple/ripple_surface.h"
#include "ripple/step_waves.h"
#include "ripple/surface_buffers.h"

namespace {

constexpr int kWidth = 174;
constexpr int kHeight = 193;

// A surface over a patterned picture, raining a drop every tick (sizes 1 to
// 4, weights 50 to 54), run until the water is busy all over.
class RainySurface {
 public:
  RainySurface() {
    SetSurfaceSize(surface, kWidth, kHeight);
    AllocateSurfaceBuffers(surface);
    for (std::uint32_t i = 0; i < surface.PixelStride * kHeight; ++i) {
      surface.SourcePixels[i] = static_cast<std::uint8_t>(i * 7 + i / surface.PixelStride * 13);
      surface.FramePixels[i] = surface.SourcePixels[i];
    }
    PrepareBlend(surface);
    surface.RandomState = 12345;
    SetAutoEffect(surface, EffectRain, 0, 4, 5);
    for (int tick = 0; tick < 300; ++tick) Tick();
  }
  ~RainySurface() { ReleaseSurfaceBuffers(surface); }

  // A tick without the show: step, render, the rain's next drop.
  void Tick() {
    StepWaves(surface);
    RenderFrame(surface);
    EffectStep(surface);
  }

  RippleSurface surface;
};

void BM_MovingTick(benchmark::State& state) {
  RainySurface rain;
  for (auto _ : state) {
    rain.surface.Flags |= Moving;
    StepWaves(rain.surface);
    RenderFrame(rain.surface);
    EffectStep(rain.surface);
    benchmark::DoNotOptimize(rain.surface.FramePixels);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MovingTick)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

void BM_MovingTickWithHandOver(benchmark::State& state) {
  RainySurface rain;
  std::vector<std::uint32_t> shown(static_cast<std::size_t>(kWidth) * kHeight);
  for (auto _ : state) {
    rain.surface.Flags |= Moving;
    StepWaves(rain.surface);
    RenderFrame(rain.surface);
    FrameToRgb32(rain.surface, shown.data(), kWidth);
    EffectStep(rain.surface);
    benchmark::DoNotOptimize(shown.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MovingTickWithHandOver)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
