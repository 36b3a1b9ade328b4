#include "platform/random.h"

#include <utility>

#include "platform/system.h"

namespace {

unsigned generatorState = 1;
unsigned seedCounter = 0;

}  // namespace

int RandomDraw() {
  generatorState = generatorState * 214013u + 2531011u;
  return static_cast<int>((generatorState >> 16) & 0x7FFF);
}

void SeedRandom(std::optional<unsigned> seed) {
  if (seed) {
    generatorState = *seed;
    return;
  }
  unsigned tick = static_cast<unsigned>(UptimeMs());
  generatorState = tick + seedCounter;
  seedCounter += ((tick + seedCounter) % 256) + 100;
}

int RandomNumber(int min, int max) {
  if (min < 0) min = 0;
  if (max < 0) max = 0;
  if (min > max) std::swap(min, max);
  if (min == max) return min;
  long long span = static_cast<long long>(max) - min + 1;
  if (min == 0 && max == INT_MAX) span = INT_MAX;
  return static_cast<int>(min + RandomDraw() % span);
}
