#include "platform/random.h"

#include <gtest/gtest.h>

namespace {

TEST(RandomNumber, StaysWithinItsBounds) {
  SeedRandom(1);
  for (int i = 0; i < 200; ++i) {
    EXPECT_EQ(RandomNumber(5, 5), 5);
    int swapped = RandomNumber(20, 5);
    EXPECT_GE(swapped, 5);
    EXPECT_LE(swapped, 20);
    int clipped = RandomNumber(-3, 2);
    EXPECT_GE(clipped, 0);
    EXPECT_LE(clipped, 2);
    EXPECT_GE(RandomNumber(), 0);
    EXPECT_EQ(RandomNumber(-4, -9), 0);
  }
}

TEST(RandomNumber, GeneratorFromStateOneGivesTheKnownSequence) {
  SeedRandom(1);
  EXPECT_EQ(RandomDraw(), 41);
  EXPECT_EQ(RandomDraw(), 18467);
  EXPECT_EQ(RandomDraw(), 6334);
  SeedRandom(1);
  EXPECT_EQ(RandomNumber(10, 19), 10 + 41 % 10);
}

TEST(SeedRandom, TwoClockSeedsInOneMillisecondDiffer) {
  SeedRandom();
  int first = RandomDraw();
  SeedRandom();
  int second = RandomDraw();
  EXPECT_NE(first, second);
}

}  // namespace
