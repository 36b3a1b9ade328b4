#include "ripple/auto_effects.h"

#include <gtest/gtest.h>

#include <climits>

#include "ripple/random_generator.h"
#include "ripple/test_surface.h"

namespace {

// A generator in the same state as the surface's, to replay its draws.
RippleSurface Replay(const RippleSurface& surface) {
  RippleSurface shadow;
  shadow.RandomState = surface.RandomState;
  return shadow;
}

TEST(SetAutoEffect, OffKeepsTheParameters) {
  TestSurface t(174, 193);
  SetAutoEffect(t.surface, EffectScatter, 4, 5, 6);
  SetAutoEffect(t.surface, EffectOff, 7, 8, 9);
  EXPECT_EQ(t.surface.Flags & AutoOn, 0u);
  EXPECT_EQ(t.surface.EffectMode, std::uint32_t{EffectOff});
  EXPECT_EQ(t.surface.EffectParam1, 4u);
  EXPECT_EQ(t.surface.EffectParam2, 5u);
  EXPECT_EQ(t.surface.EffectParam3, 6u);
}

TEST(SetAutoEffect, OnlyTheTrailDrawsItsStartPoint) {
  const std::uint32_t modes[] = {EffectOff, EffectRain, EffectScatter, 4u, 0xFFFFFFFFu};
  for (std::uint32_t mode : modes) {
    SCOPED_TRACE(testing::Message() << "mode " << mode);
    TestSurface t(174, 193);
    t.surface.RandomState = 1;
    SetAutoEffect(t.surface, mode, 1, 2, 3);
    EXPECT_EQ(t.surface.RandomState, 1u);
    EXPECT_EQ(t.surface.TrailX, 0);
    EXPECT_EQ((t.surface.Flags & AutoOn) != 0, mode != EffectOff);
    if (mode != EffectOff) {
      EXPECT_EQ(t.surface.EffectMode, mode);
      EXPECT_EQ(t.surface.EffectParam3, 3u);
    }
  }
}

TEST(SetAutoEffect, TrailStartsAtARandomPointWithBothStepsParam1) {
  TestSurface t(174, 193);
  t.surface.RandomState = 1;
  SetAutoEffect(t.surface, EffectTrail, static_cast<std::uint32_t>(-3), 2, 15);
  // From state 1 the first draw below 172 is 109.
  EXPECT_EQ(t.surface.TrailX, 110);
  RippleSurface replay;
  replay.RandomState = 1140752385u;
  EXPECT_EQ(t.surface.TrailY, static_cast<std::int32_t>(RandomBelow(replay, 191) + 1));
  EXPECT_EQ(t.surface.RandomState, replay.RandomState);
  EXPECT_EQ(t.surface.TrailStepX, -3);
  EXPECT_EQ(t.surface.TrailStepY, -3);
  EXPECT_EQ(t.surface.Flags, std::uint32_t{AutoOn});

  // Selected again: a new start point and the new step.
  const std::int32_t oldX = t.surface.TrailX;
  const std::int32_t oldY = t.surface.TrailY;
  SetAutoEffect(t.surface, EffectTrail, 5, 2, 15);
  EXPECT_FALSE(t.surface.TrailX == oldX && t.surface.TrailY == oldY);
  EXPECT_EQ(t.surface.TrailStepX, 5);
  EXPECT_EQ(t.surface.TrailStepY, 5);
}

TEST(SetAutoEffect, TrailTicksAreNeverReset) {
  TestSurface t(20, 20);
  SetAutoEffect(t.surface, EffectTrail, 0, 0, 0);
  EffectStep(t.surface);
  SetAutoEffect(t.surface, EffectTrail, 0, 0, 0);
  EXPECT_EQ(t.surface.TrailTicks, 1u);
}

TEST(EffectStep, RainDrawsTheChanceUnlessParam1IsZero) {
  struct Case {
    std::uint32_t param1;
    std::uint32_t state;
  };
  const Case cases[] = {{0, 1}, {0, 777}, {1, 1}, {1, 98765}, {5, 1}, {5, 2}, {5, 3}, {5, 4}, {20, 123456}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "one in " << c.param1 << " from state " << c.state);
    TestSurface t(174, 193);
    SetAutoEffect(t.surface, EffectRain, c.param1, 4, 5);
    t.surface.RandomState = c.state;
    RippleSurface replay = Replay(t.surface);
    const bool drops = c.param1 == 0 || RandomBelow(replay, c.param1) == 0;
    EffectStep(t.surface);
    if (!drops) {
      EXPECT_EQ(t.surface.RandomState, replay.RandomState);
      EXPECT_TRUE(t.AllHeightsZero());
      continue;
    }
    const std::int32_t x = static_cast<std::int32_t>(RandomBelow(replay, 172) + 1);
    const std::int32_t y = static_cast<std::int32_t>(RandomBelow(replay, 191) + 1);
    const std::uint32_t size = RandomBelow(replay, 4) + 1;
    const std::int32_t weight = static_cast<std::int32_t>(RandomBelow(replay, 5) + 50);
    EXPECT_EQ(t.surface.RandomState, replay.RandomState);
    EXPECT_GE(weight, 50);
    EXPECT_LE(weight, 54);
    const std::int32_t r = static_cast<std::int32_t>(size / 2);
    const bool fits = x - r >= 1 && x + r <= 172 && y - r >= 1 && y + r <= 191;
    EXPECT_EQ(t.Current(x, y), fits ? weight : 0);
    EXPECT_EQ((t.surface.Flags & Moving) != 0, fits);
  }
}

TEST(EffectStep, RainWithChanceOneAlwaysDrops) {
  TestSurface t(174, 193);
  SetAutoEffect(t.surface, EffectRain, 1, 1, 1);
  for (int tick = 0; tick < 50; ++tick) {
    t.surface.Flags &= ~static_cast<std::uint32_t>(Moving);
    EffectStep(t.surface);
    EXPECT_EQ(t.surface.Flags & Moving, std::uint32_t{Moving});  // size 1 always fits
  }
}

TEST(EffectStep, ZeroSizeBoundDrawsSizesThatDoNotFit) {
  const std::uint32_t modes[] = {EffectRain, EffectScatter};
  for (std::uint32_t mode : modes) {
    SCOPED_TRACE(testing::Message() << "mode " << mode);
    TestSurface t(174, 193);
    SetAutoEffect(t.surface, mode, 0, 0, 5);
    t.surface.RandomState = 1;
    for (int tick = 0; tick < 200; ++tick) EffectStep(t.surface);
    EXPECT_EQ(t.surface.Flags & Moving, 0u);
    EXPECT_TRUE(t.AllHeightsZero());
  }
}

TEST(EffectStep, RainWithZeroSpreadDrawsWeightsOverTheWholeRange) {
  TestSurface t(174, 193);
  SetAutoEffect(t.surface, EffectRain, 0, 1, 0);
  t.surface.RandomState = 1;
  RippleSurface replay = Replay(t.surface);
  EffectStep(t.surface);
  const std::int32_t x = static_cast<std::int32_t>(RandomBelow(replay, 172) + 1);
  const std::int32_t y = static_cast<std::int32_t>(RandomBelow(replay, 191) + 1);
  RandomBelow(replay, 1);
  const std::int32_t weight = static_cast<std::int32_t>(RandomBelow(replay, 0) + 50u);
  EXPECT_EQ(t.Current(x, y), weight);
}

TEST(EffectStep, ScatterDropsParam1PlusOneStones) {
  struct Case {
    std::uint32_t param1;
    int stones;
  };
  const Case cases[] = {{0, 1}, {1, 2}, {4, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "param1 " << c.param1);
    TestSurface t(174, 193);
    SetAutoEffect(t.surface, EffectScatter, c.param1, 1, 100);
    t.surface.RandomState = 4242;
    RippleSurface replay = Replay(t.surface);
    EffectStep(t.surface);
    for (int stone = 0; stone < c.stones; ++stone) {
      const std::int32_t x = static_cast<std::int32_t>(RandomBelow(replay, 172) + 1);
      const std::int32_t y = static_cast<std::int32_t>(RandomBelow(replay, 191) + 1);
      EXPECT_EQ(RandomBelow(replay, 1), 0u);
      const std::int32_t weight = static_cast<std::int32_t>(RandomBelow(replay, 100));
      EXPECT_LT(weight, 100);
      EXPECT_EQ(t.Current(x, y), weight) << "stone " << stone;
    }
    EXPECT_EQ(t.surface.RandomState, replay.RandomState);
  }
}

TEST(EffectStep, TrailBouncesUnevenlyOffTheEdges) {
  struct Case {
    std::int32_t x, y, step;
    std::int32_t nextX, nextY, nextStepX, nextStepY;
  };
  // A 174 x 193 picture: the low edge mirrors p to 1 - p, the high one to
  // 346 - p across and 384 - p down; the stone falls only inside 1..172 and
  // 1..191.
  const Case cases[] = {
      {172, 100, 3, 171, 103, -3, 3},         {2, 100, -3, 2, 97, 3, -3},
      {1, 1, -1, 1, 1, 1, 1},                 {100, 190, 3, 103, 191, 3, -3},
      {100, 2, -3, 97, 2, -3, 3},             {50, 60, 0, 50, 60, 0, 0},
      {170, 100, 3, 173, 103, -3, 3},         {100, 100, 1000, -754, -716, -1000, -1000},
      {100, 100, -1000, -555, -517, -1000, -1000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "at " << c.x << ", " << c.y << " step " << c.step);
    TestSurface t(174, 193);
    SetAutoEffect(t.surface, EffectTrail, static_cast<std::uint32_t>(c.step), 0, 9);
    t.surface.TrailX = c.x;
    t.surface.TrailY = c.y;
    EffectStep(t.surface);  // odd tick: no move
    EXPECT_EQ(t.surface.TrailX, c.x);
    EXPECT_TRUE(t.AllHeightsZero());
    EffectStep(t.surface);
    EXPECT_EQ(t.surface.TrailX, c.nextX);
    EXPECT_EQ(t.surface.TrailY, c.nextY);
    EXPECT_EQ(t.surface.TrailStepX, c.nextStepX);
    EXPECT_EQ(t.surface.TrailStepY, c.nextStepY);
    const bool inside = c.nextX >= 1 && c.nextX <= 172 && c.nextY >= 1 && c.nextY <= 191;
    if (inside) {
      EXPECT_EQ(t.Current(c.nextX, c.nextY), 9);
    }
    EXPECT_EQ(t.AllHeightsZero(), !inside);
  }
}

TEST(EffectStep, TrailTurnsEachAxisOnItsOwn) {
  TestSurface t(174, 193);
  SetAutoEffect(t.surface, EffectTrail, 3, 0, 9);
  t.surface.TrailX = 172;
  t.surface.TrailY = 50;
  t.surface.TrailTicks = 1;
  EffectStep(t.surface);
  EXPECT_EQ(t.surface.TrailStepX, -3);
  EXPECT_EQ(t.surface.TrailStepY, 3);
}

TEST(EffectStep, TrailStepWrapsAt32Bits) {
  TestSurface t(174, 193);
  SetAutoEffect(t.surface, EffectTrail, static_cast<std::uint32_t>(INT_MAX), 0, 9);
  t.surface.TrailX = 100;
  t.surface.TrailY = 100;
  t.surface.TrailTicks = 1;
  EffectStep(t.surface);
  // 100 + INT_MAX wraps below 1, mirrors to 1 - p = INT_MAX - 97, which lies
  // past the high edge and mirrors again to 346 - p; the step turns twice.
  EXPECT_EQ(t.surface.TrailX, -2147483204);
  EXPECT_EQ(t.surface.TrailY, 384 - (INT_MAX - 97));
  EXPECT_EQ(t.surface.TrailStepX, INT_MAX);
}

TEST(EffectStep, OtherModesDoNothing) {
  const std::uint32_t modes[] = {EffectOff, 4u, 100u};
  for (std::uint32_t mode : modes) {
    TestSurface t(174, 193);
    t.surface.EffectMode = mode;
    t.surface.EffectParam2 = 1;
    t.surface.RandomState = 1;
    EffectStep(t.surface);
    EXPECT_EQ(t.surface.RandomState, 1u) << "mode " << mode;
    EXPECT_TRUE(t.AllHeightsZero());
  }
}

}  // namespace
