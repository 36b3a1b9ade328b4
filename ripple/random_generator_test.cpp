#include "ripple/random_generator.h"

#include <gtest/gtest.h>

namespace {

TEST(NextRandom16, ReturnsTheLowBitsOfTheStateBeforeTheUpdate) {
  struct Case {
    std::uint32_t state, result, next;
  };
  const Case cases[] = {
      {1u, 1u, 34814u},
      {34814u, 34814u, 1140752385u},
      {0u, 0u, 2047u},
      {2147483647u, 65535u, 2047u},                     // the modulus itself
      {0xFFFFFFFFu, 0xFFFFu, 34814u},  // a clock past 2^31
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "state " << c.state);
    RippleSurface surface;
    surface.RandomState = c.state;
    EXPECT_EQ(NextRandom16(surface), c.result);
    EXPECT_EQ(surface.RandomState, c.next);
  }
}

TEST(RandomBelow, DrawsLowHalfThenHighHalf) {
  struct Case {
    std::uint32_t n, result;
  };
  const Case cases[] = {{0u, 2281570305u}, {172u, 109u}, {1u, 0u}, {191u, 2281570305u % 191u}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "n " << c.n);
    RippleSurface surface;
    surface.RandomState = 1;
    EXPECT_EQ(RandomBelow(surface, c.n), c.result);
    EXPECT_EQ(surface.RandomState, 1140752385u);
  }
}

}  // namespace
