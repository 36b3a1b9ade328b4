// Starting and stopping a RippleSurface on a window: the work behind the
// library's E_WaveInit and E_WaveFree.
#pragma once

#include <QWidget>
#include <cstdint>

#include "ripple/ripple_surface.h"

// The tick period, in milliseconds.
inline constexpr int kRippleTickMs = 30;

// Starts `surface` on `window` with the BMP picture at `picturePath` (in the
// system's encoding): releases what the record held, clears it, seeds its
// generator from the clock, makes its buffers and its view, reads the picture,
// starts the 30 ms ticks and shows the picture once. Returns 1.
// Returns 0 after the message "初始化水波对象错误!" (caption "Error", owned by
// `window`) when the picture is missing, no BMP, or 3 pixels or less across or
// down (the record then keeps Window and RandomState, all else zero), or when
// the window is null or a buffer cannot be made (the record all zero).
std::int32_t WaveInit(RippleSurface& surface, QWidget* window, const char* picturePath);

// Stops the ticks, releases the view and the buffers and clears the record;
// on an empty record it does nothing.
void WaveFree(RippleSurface& surface);
