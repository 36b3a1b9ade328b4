#include "ripple/ripple_tick.h"

#include <gtest/gtest.h>

#include "ripple/auto_effects.h"
#include "ripple/drop_stone.h"
#include "ripple/test_surface.h"

namespace {

int framesShown = 0;

void CountFrame(RippleSurface& surface) {
  EXPECT_NE(surface.Flags & FrameDirty, 0u);
  ++framesShown;
}

TEST(RippleTick, StoneComesToRestAfterItsTicks) {
  struct Case {
    std::uint32_t size;
    std::int32_t weight;
    int ticks;
  };
  const Case cases[] = {{5, 15, 33}, {0, 15, 13}, {2, 50, 46}, {4, 54, 54}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "size " << c.size << " weight " << c.weight);
    TestSurface t(174, 193);
    DropStone(t.surface, 87, 96, c.size, c.weight);
    framesShown = 0;
    int ticks = 0;
    while ((t.surface.Flags & Moving) != 0 && ticks < 10000) {
      RippleTick(t.surface, CountFrame);
      ++ticks;
    }
    EXPECT_EQ(ticks, c.ticks);
    EXPECT_EQ(framesShown, c.ticks);
    // The water stands flat again; only the step before may leave remnants.
    int raised = 0;
    for (std::size_t i = 0; i < t.Cells(); ++i) raised += t.surface.CurrentHeights[i] != 0;
    EXPECT_EQ(raised, 0);
    EXPECT_TRUE(t.FrameIsPicture());
    EXPECT_EQ(t.surface.Flags, 0u);
  }
}

TEST(RippleTick, StillSurfaceDoesNothing) {
  TestSurface t(174, 193);
  framesShown = 0;
  for (int tick = 0; tick < 5; ++tick) RippleTick(t.surface, CountFrame);
  EXPECT_EQ(framesShown, 0);
  EXPECT_EQ(t.surface.Flags, 0u);
}

TEST(RippleTick, WeightZeroStoneShowsThePictureOnceAndStops) {
  TestSurface t(174, 193);
  DropStone(t.surface, 50, 50, 4, 0);
  EXPECT_EQ(t.surface.Flags, std::uint32_t{Moving});
  framesShown = 0;
  RippleTick(t.surface, CountFrame);
  EXPECT_EQ(framesShown, 1);
  EXPECT_TRUE(t.FrameIsPicture());
  EXPECT_EQ(t.surface.Flags, 0u);
  RippleTick(t.surface, CountFrame);
  EXPECT_EQ(framesShown, 1);
}

TEST(RippleTick, NegativeWeightBendsThePictureTheOtherWay) {
  TestSurface crest(60, 60);
  TestSurface trough(60, 60);
  DropStone(crest.surface, 30, 30, 0, 8);
  DropStone(trough.surface, 30, 30, 0, -8);
  RippleTick(crest.surface, nullptr);
  RippleTick(trough.surface, nullptr);
  // Right of the stone the crest's water falls to the right, so a pixel takes
  // its colour from further right; over the trough, from further left.
  // (4 and -3: the arithmetic shift rounds the trough's damping down.)
  const std::int32_t crestDx = crest.Current(31, 30) - crest.Current(33, 30);
  const std::int32_t troughDx = trough.Current(31, 30) - trough.Current(33, 30);
  EXPECT_EQ(crestDx, 4);
  EXPECT_EQ(troughDx, -3);
  const std::ptrdiff_t row = 30 * crest.surface.PixelStride;
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(crest.Frame(32, 30)[k], crest.surface.BlendedPixels[row + 3 * (32 + crestDx) + k]);
    EXPECT_EQ(trough.Frame(32, 30)[k], trough.surface.BlendedPixels[row + 3 * (32 + troughDx) + k]);
  }
}

TEST(RippleTick, EffectRunsLastAndItsStoneEntersAtTheNextTick) {
  TestSurface t(174, 193);
  SetAutoEffect(t.surface, EffectRain, 0, 1, 1);
  framesShown = 0;
  RippleTick(t.surface, CountFrame);
  EXPECT_EQ(framesShown, 0);
  EXPECT_EQ(t.surface.Flags & Moving, std::uint32_t{Moving});
  RippleTick(t.surface, CountFrame);
  EXPECT_EQ(framesShown, 1);
}

TEST(RippleTick, StillTrailOfWeightZeroShowsEverySecondTick) {
  TestSurface t(174, 193);
  SetAutoEffect(t.surface, EffectTrail, 0, 0, 0);
  framesShown = 0;
  const int shownAfter[] = {0, 0, 1, 1, 2, 2, 3, 3};
  for (int expected : shownAfter) {
    RippleTick(t.surface, CountFrame);
    EXPECT_EQ(framesShown, expected);
    EXPECT_TRUE(t.FrameIsPicture());
  }
}

}  // namespace
