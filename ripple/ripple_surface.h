// RippleSurface: the whole state of one water surface over one picture. The
// library keeps a single static instance; tests and benchmarks make their own.
// A record that is all zero holds nothing and runs nothing.
#pragma once

#include <cstdint>

// Bits of RippleSurface::Flags.
enum RippleFlags : std::uint32_t {
  Moving = 1u,      // the surface is in motion: steps and renders run
  FrameDirty = 2u,  // a rendered frame has not been shown yet
  AutoOn = 4u,      // an automatic effect is selected
};

// Values of RippleSurface::EffectMode.
enum EffectModes : std::uint32_t {
  EffectOff = 0u,
  EffectRain = 1u,
  EffectTrail = 2u,
  EffectScatter = 3u,
};

struct RippleSurface {
  void* Window = nullptr;  // the window drawn on (a QWidget*); not owned
  std::uint32_t Flags = 0;
  // The window-side frame: the off-screen image shown on Window and the timer
  // that drives the ticks (a RippleView). Owned; it clears this field itself
  // when it is destroyed together with Window.
  void* FrameView = nullptr;
  // Height rows of PixelStride bytes, top row first, 3 bytes a pixel (blue,
  // green, red). The picture; unchanged after it has been read.
  std::uint8_t* SourcePixels = nullptr;
  // The same layout: the frame being built; starts as the picture.
  std::uint8_t* FramePixels = nullptr;
  // Width x Height water heights, row after row, row 0 at the top.
  std::int32_t* CurrentHeights = nullptr;
  std::int32_t* PreviousHeights = nullptr;
  // The layout of SourcePixels: each byte softened from its four neighbours,
  // worked out once from the picture so that a displaced pixel is a copy.
  std::uint8_t* BlendedPixels = nullptr;
  // 2 x Width words of working space for rendering one row.
  std::uint32_t* RenderScratch = nullptr;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::uint32_t PixelStride = 0;   // 3 x Width rounded up to a multiple of 4
  std::uint32_t HeightStride = 0;  // 4 x Width
  std::uint32_t RandomState = 0;   // the surface's own random generator
  std::uint32_t EffectMode = EffectOff;
  std::uint32_t EffectParam1 = 0;
  std::uint32_t EffectParam2 = 0;
  std::uint32_t EffectParam3 = 0;
  std::int32_t TrailX = 0;  // the travelling stone's position
  std::int32_t TrailY = 0;
  std::int32_t TrailStepX = 0;  // and its step per move
  std::int32_t TrailStepY = 0;
  std::uint32_t TrailTicks = 0;
};
