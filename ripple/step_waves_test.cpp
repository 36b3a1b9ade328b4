#include "ripple/step_waves.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "ripple/drop_stone.h"
#include "ripple/test_surface.h"

namespace {

struct Cell {
  int x, y;
  std::int32_t height;
};

// One step of a 7 x 6 surface with the given current and previous heights;
// returns the new current height of cell (x, y).
std::int32_t StepOnce(const std::vector<Cell>& current, const std::vector<Cell>& previous, int x, int y) {
  TestSurface t(7, 6);
  for (const Cell& c : current) t.Current(c.x, c.y) = c.height;
  for (const Cell& c : previous) t.Previous(c.x, c.y) = c.height;
  t.surface.Flags = Moving;
  StepWaves(t.surface);
  return t.Current(x, y);
}

TEST(StepWaves, HalfTheNeighboursMinusThePreviousThenDamped) {
  struct Case {
    const char* name;
    std::vector<Cell> current;
    std::vector<Cell> previous;
    std::int32_t expected;  // at (3, 3)
  };
  const Case cases[] = {
      {"one neighbour 100", {{2, 3, 100}}, {}, 49},                       // 50 - 1
      {"four neighbours 16", {{2, 3, 16}, {4, 3, 16}, {3, 2, 16}, {3, 4, 16}}, {}, 31},  // 32 - 1
      {"own height is not a neighbour", {{3, 3, 1000}}, {}, 0},
      {"diagonals are not neighbours", {{2, 2, 64}, {4, 4, 64}}, {}, 0},
      {"previous subtracted", {}, {{3, 3, 10}}, -9},                      // -10 - (-1)
      {"31 shifts to 0", {{2, 3, 62}}, {}, 31},                           // 31 - 0
      {"32 shifts to 1", {{2, 3, 64}}, {}, 31},                           // 32 - 1
      {"-1 shifts to -1", {{2, 3, -1}}, {}, 0},                           // -1 - (-1)
      {"-3 halves to -2", {{2, 3, -3}}, {}, -1},                          // -2 - (-1)
      {"sum wraps", {{2, 3, INT_MAX}, {4, 3, INT_MAX}, {3, 2, INT_MAX}, {3, 4, INT_MAX}}, {}, -1},
      {"difference wraps", {}, {{3, 3, INT_MIN}}, -2080374784},  // INT_MIN - (INT_MIN >> 5)
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(StepOnce(c.current, c.previous, 3, 3), c.expected);
  }
}

TEST(StepWaves, NeighboursAreFlatAcrossRowEnds) {
  // Column 0 of row 2 sees the last cell of row 1 as its left neighbour, and
  // the last cell of row 2 sees column 0 of row 3 as its right one.
  EXPECT_EQ(StepOnce({{6, 1, 64}}, {}, 0, 2), 31);
  EXPECT_EQ(StepOnce({{0, 3, 64}}, {}, 6, 2), 31);
  // Columns 0 and 6 are stepped like any other.
  EXPECT_EQ(StepOnce({{1, 2, 64}}, {}, 0, 2), 31);
  EXPECT_EQ(StepOnce({{5, 2, 64}}, {}, 6, 2), 31);
}

TEST(StepWaves, StillSurfaceIsNotStepped) {
  TestSurface t(7, 6);
  t.Current(3, 3) = 100;
  std::int32_t* current = t.surface.CurrentHeights;
  StepWaves(t.surface);
  EXPECT_EQ(t.surface.CurrentHeights, current);
  EXPECT_EQ(t.Current(3, 3), 100);
  EXPECT_EQ(t.Current(2, 3), 0);
}

TEST(StepWaves, BuffersChangePlaces) {
  TestSurface t(7, 6);
  std::int32_t* current = t.surface.CurrentHeights;
  std::int32_t* previous = t.surface.PreviousHeights;
  t.surface.Flags = Moving;
  StepWaves(t.surface);
  EXPECT_EQ(t.surface.CurrentHeights, previous);
  EXPECT_EQ(t.surface.PreviousHeights, current);
}

TEST(StepWaves, OutermostRowsStayZero) {
  TestSurface t(12, 9);
  DropStone(t.surface, 5, 4, 5, 1000);
  DropStone(t.surface, 1, 1, 0, -900);
  for (int tick = 0; tick < 50; ++tick) {
    StepWaves(t.surface);
    for (int x = 0; x < 12; ++x) {
      ASSERT_EQ(t.Current(x, 0), 0);
      ASSERT_EQ(t.Current(x, 8), 0);
      ASSERT_EQ(t.Previous(x, 0), 0);
      ASSERT_EQ(t.Previous(x, 8), 0);
    }
  }
}

}  // namespace
