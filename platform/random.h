// The process's random generator: a linear congruential generator that yields
// 0..32767 per draw, seeded from the clock unless a seed is given.
#pragma once

#include <climits>
#include <optional>

// A random integer in [min, max]; negative bounds count as 0 and swapped bounds
// are exchanged. User-interface thread only.
int RandomNumber(int min = 0, int max = INT_MAX);

// Seeds the generator with `seed`, or, without one, with the uptime plus a
// counter that makes two calls in the same millisecond differ.
void SeedRandom(std::optional<unsigned> seed = std::nullopt);

// One raw draw, 0..32767.
int RandomDraw();
