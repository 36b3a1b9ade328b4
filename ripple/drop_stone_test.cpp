#include "ripple/drop_stone.h"

#include <gtest/gtest.h>

#include <climits>

#include "ripple/test_surface.h"

namespace {

TEST(DropStone, SizeGivesTheSquare) {
  struct Case {
    std::uint32_t size;
    int side;
  };
  const Case cases[] = {{0, 1}, {1, 1}, {2, 3}, {3, 3}, {4, 5}, {5, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "size " << c.size);
    TestSurface t(20, 16);
    DropStone(t.surface, 9, 8, c.size, 15);
    EXPECT_EQ(t.surface.Flags, std::uint32_t{Moving});
    const int r = c.side / 2;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 20; ++x) {
        const bool inside = x >= 9 - r && x <= 9 + r && y >= 8 - r && y <= 8 + r;
        EXPECT_EQ(t.Current(x, y), inside ? 15 : 0) << "cell " << x << ", " << y;
      }
    }
    EXPECT_FALSE(t.AllHeightsZero());
  }
}

TEST(DropStone, SquareMustKeepOffTheOutermostRowsAndColumns) {
  struct Case {
    std::int32_t x, y;
    std::uint32_t size;
    bool fits;
  };
  // A 10 x 8 surface: stones may cover columns 1 to 8 and rows 1 to 6.
  const Case cases[] = {
      {1, 1, 0, true},    {8, 6, 1, true},     {0, 3, 0, false},   {9, 3, 0, false},
      {3, 0, 0, false},   {3, 7, 0, false},    {2, 2, 2, true},    {1, 2, 2, false},
      {7, 5, 3, true},    {8, 5, 2, false},    {7, 6, 2, false},   {3, 3, 4, true},
      {3, 3, 6, false},   {-5, 3, 0, false},   {3, -5, 0, false},  {100, 3, 0, false},
      {5, 4, 0xFFFFFFFFu, false},                {INT_MIN, INT_MIN, 0xFFFFFFFFu, false},
      {INT_MAX, INT_MAX, 0xFFFFFFFFu, false},    {INT_MIN, 3, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "stone at " << c.x << ", " << c.y << " size " << c.size);
    TestSurface t(10, 8);
    DropStone(t.surface, c.x, c.y, c.size, 7);
    EXPECT_EQ((t.surface.Flags & Moving) != 0, c.fits);
    EXPECT_EQ(t.AllHeightsZero(), !c.fits);
  }
}

TEST(DropStone, IgnoredStoneLeavesMovingAsItWas) {
  TestSurface t(10, 8);
  t.surface.Flags = Moving | FrameDirty;
  DropStone(t.surface, 0, 0, 0, 5);
  EXPECT_EQ(t.surface.Flags, std::uint32_t{Moving | FrameDirty});
  t.surface.Flags = 0;
  DropStone(t.surface, 0, 0, 0, 5);
  EXPECT_EQ(t.surface.Flags, 0u);
}

TEST(DropStone, WeightReplacesTheHeight) {
  struct Case {
    std::int32_t before, weight;
  };
  const Case cases[] = {{100, 15}, {-40, 15}, {7, 0}, {0, -30}, {INT_MAX, INT_MIN}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.before << " then " << c.weight);
    TestSurface t(10, 8);
    t.Current(4, 4) = c.before;
    DropStone(t.surface, 4, 4, 0, c.weight);
    EXPECT_EQ(t.Current(4, 4), c.weight);
  }
}

TEST(DropStone, EmptyRecordTakesNoStone) {
  RippleSurface empty;
  const std::int32_t positions[] = {INT_MIN, -1, 0, 1, 2, INT_MAX};
  for (std::int32_t x : positions) {
    for (std::int32_t y : positions) {
      DropStone(empty, x, y, 0, 15);
      DropStone(empty, x, y, 0xFFFFFFFFu, 15);
    }
  }
  EXPECT_EQ(empty.Flags, 0u);
}

}  // namespace
