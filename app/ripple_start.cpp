#include "app/ripple_start.h"

#include <string_view>

#include "app/ripple_embedded.h"
#include "app/ripple_install.h"
#include "platform/random.h"
#include "platform/system.h"

namespace {

constexpr int kEffectRain = 1;
constexpr int kEffectTrail = 2;
constexpr int kMouseStoneWeight = 15;

}  // namespace

void StartRipple(ProgramState& state, QWidget* pictureBox, WaveCalls& wave) {
  InstallWaveLibrary(WaveLibraryPath(), WaveLibraryBytes());

  state.rippleImagePath = TempFileName();
  const std::span<const std::uint8_t> picture = RipplePictureBytes();
  const std::string_view content(reinterpret_cast<const char*>(picture.data()), picture.size());
  WriteWholeFileParts(state.rippleImagePath, std::span<const std::string_view>(&content, 1));

  wave.WaveInit(pictureBox, state.rippleImagePath.c_str());
  // The trail is replaced at once; it only advances the library's generator.
  wave.AutoEffects(kEffectTrail, 0, 0, 0);
  SeedRandom();
  const int chance = RandomNumber(5, 20);
  const int sizeBound = RandomNumber(0, 4);
  const int weightSpread = RandomNumber(1, 5);
  wave.AutoEffects(kEffectRain, chance, sizeBound, weightSpread);
  state.rippleOn = !state.rippleOn;
}

void DropMouseStone(const ProgramState& state, int x, int y, WaveCalls& wave) {
  if (!state.rippleOn) return;
  wave.WaveDropStone(x, y, RandomNumber(0, 5), kMouseStoneWeight);
}
