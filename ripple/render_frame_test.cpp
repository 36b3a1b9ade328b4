#include "ripple/render_frame.h"

#include <gtest/gtest.h>

#include <cstring>

#include "ripple/blend_byte.h"
#include "ripple/test_surface.h"

namespace {

// The softened picture byte k at (x, y), from its definition.
std::uint8_t Softened(TestSurface& t, int x, int y, int k) {
  return BlendByteAt(t.surface.SourcePixels, x, y, k, t.surface.Width, t.surface.Height, t.surface.PixelStride);
}

TEST(RenderFrame, StillSurfaceRendersNothing) {
  TestSurface t(9, 7);
  std::memset(t.surface.FramePixels, 0xAA, t.PixelBytes());
  RenderFrame(t.surface);
  EXPECT_EQ(t.surface.Flags, 0u);
  EXPECT_EQ(t.Frame(4, 3)[0], 0xAA);
}

TEST(RenderFrame, FlatWaterCopiesThePictureAndStops) {
  TestSurface t(9, 7);
  std::memset(t.surface.FramePixels, 0xAA, t.PixelBytes());
  t.surface.Flags = Moving;
  RenderFrame(t.surface);
  EXPECT_EQ(t.surface.Flags, std::uint32_t{FrameDirty});
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 9; ++x) {
      for (int k = 0; k < 3; ++k) {
        // Rows 0 and 6 are never written.
        const std::uint8_t expected = (y == 0 || y == 6) ? 0xAA : PictureByte(x, y, k);
        EXPECT_EQ(t.Frame(x, y)[k], expected) << "pixel " << x << ", " << y << " byte " << k;
      }
    }
  }
}

TEST(RenderFrame, PixelTakesTheSoftenedColourDisplacedByTheSlope) {
  struct Case {
    const char* name;
    int left, right, up, down;  // heights around pixel (5, 4)
    int sx, sy;                 // where its colour comes from
  };
  const Case cases[] = {
      {"left higher moves right", 2, 0, 0, 0, 7, 4},
      {"right higher moves left", 0, 3, 0, 0, 2, 4},
      {"upper higher moves down", 0, 0, 1, 0, 5, 5},
      {"trough moves up and left", -1, 0, 0, 2, 4, 2},
      {"both ways", 4, 1, 0, -2, 8, 6},
      {"to the top row", 0, 0, 0, 4, 5, 0},
      {"to the last column", 5, 0, 0, 0, 10, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestSurface t(11, 9);
    t.Current(4, 4) = c.left;
    t.Current(6, 4) = c.right;
    t.Current(5, 3) = c.up;
    t.Current(5, 5) = c.down;
    t.surface.Flags = Moving;
    RenderFrame(t.surface);
    for (int k = 0; k < 3; ++k) {
      const std::uint8_t expected = (c.sx == 5 && c.sy == 4) ? PictureByte(5, 4, k) : Softened(t, c.sx, c.sy, k);
      EXPECT_EQ(t.Frame(5, 4)[k], expected) << "byte " << k;
    }
    EXPECT_EQ(t.surface.Flags & Moving, std::uint32_t{Moving});
  }
}

TEST(RenderFrame, DisplacedPixelIsSoftenedEvenWithoutColourChange) {
  // A uniform picture: a displaced pixel keeps its colour but counts as moved.
  TestSurface t(9, 7);
  std::memset(t.surface.SourcePixels, 0x40, t.PixelBytes());
  PrepareBlend(t.surface);
  std::memcpy(t.surface.FramePixels, t.surface.SourcePixels, t.PixelBytes());
  t.Current(3, 3) = 1;
  t.surface.Flags = Moving;
  RenderFrame(t.surface);
  EXPECT_TRUE(t.FrameIsPicture());
  EXPECT_EQ(t.surface.Flags, std::uint32_t{Moving | FrameDirty});
}

TEST(RenderFrame, DisplacementOutsideKeepsTheFormerColour) {
  struct Case {
    int left, up;
  };
  const Case cases[] = {{-6, 0},         {6, 0},         {0, -5},         {0, 5},        {100000, 0},
                        {INT32_MIN + 1, 0}, {INT32_MAX, 0}, {0, INT32_MAX}, {0, INT32_MIN}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "left " << c.left << " up " << c.up);
    TestSurface t(11, 9);
    std::memset(t.surface.FramePixels, 0x11, t.PixelBytes());
    t.Current(4, 4) = c.left;
    t.Current(5, 3) = c.up;
    t.surface.Flags = Moving;
    RenderFrame(t.surface);
    EXPECT_EQ(t.Frame(5, 4)[0], 0x11);
  }
}

TEST(RenderFrame, RowEndsReadFlatNeighbours) {
  // Pixel (0, 2): its left neighbour is the last cell of row 1.
  TestSurface t(8, 6);
  t.Current(7, 1) = 3;
  t.surface.Flags = Moving;
  RenderFrame(t.surface);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(t.Frame(0, 2)[k], Softened(t, 3, 2, k));
}

TEST(BlendByte, WeighsTheCentreFourAndEachNeighbourThree) {
  struct Case {
    std::uint8_t centre, left, right, up, down, expected;
  };
  const Case cases[] = {
      {0, 0, 0, 0, 0, 0},           {255, 255, 255, 255, 255, 255}, {16, 0, 0, 0, 0, 4},
      {0, 16, 0, 0, 0, 3},          {0, 0, 0, 0, 16, 3},            {100, 50, 60, 70, 80, 73},
      {255, 0, 0, 0, 0, 63},        {0, 255, 255, 255, 255, 191},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << int{c.centre} << " " << int{c.left} << " " << int{c.right} << " "
                                    << int{c.up} << " " << int{c.down});
    // Byte 1 (green) of pixel (1, 1) of a 3 x 3 picture with 12-byte rows.
    std::uint8_t source[36] = {};
    source[12 + 4] = c.centre;
    source[12 + 1] = c.left;
    source[12 + 7] = c.right;
    source[4] = c.up;
    source[24 + 4] = c.down;
    EXPECT_EQ(BlendByte(source, 16, 12), c.expected);
    EXPECT_EQ(BlendByteAt(source, 1, 1, 1, 3, 3, 12), c.expected);
  }
}

TEST(BlendByte, NeighboursOutsideThePictureCountAsThePixel) {
  // A 2 x 2 picture: every pixel lies on the border.
  std::uint8_t source[16] = {};
  const int stride = 8;
  source[0] = 160;          // (0, 0) blue
  source[3] = 32;           // (1, 0) blue
  source[stride] = 64;      // (0, 1) blue
  source[stride + 3] = 0;   // (1, 1) blue
  // (0, 0): left and up are itself: (4 + 3 + 3) x 160 + 3 x 32 + 3 x 64 = 1888.
  EXPECT_EQ(BlendByteAt(source, 0, 0, 0, 2, 2, stride), 1888 >> 4);
  // (1, 1): right and down are itself (0): 3 x 64 + 3 x 32 = 288.
  EXPECT_EQ(BlendByteAt(source, 1, 1, 0, 2, 2, stride), 288 >> 4);
}

}  // namespace
