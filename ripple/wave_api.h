// The ripple library's C entry points, as libwave.so exports them, with the
// pointer types that a caller loading the library by name casts to.
#pragma once

#include <cstdint>

// The library's file name.
inline constexpr char kWaveLibraryFileName[] = "libwave.so";

extern "C" {

// Starts the process's ripple surface on `window` (a QWidget*, drawn on from
// its top-left corner) with the BMP picture at `picturePath` (NUL-terminated,
// system encoding). 1 on success; 0 after the message "初始化水波对象错误!"
// when the picture is missing, no BMP, or 3 pixels or less across or down.
std::int32_t E_WaveInit(void* window, const char* picturePath);

// Drops a stone at picture pixel (x, y): a square of 2 x (size / 2) + 1 cells
// of height `weight`. Ignored when it would reach the picture's outermost row
// or column, or when no surface runs.
void E_WaveDropStone(std::int32_t x, std::int32_t y, std::int32_t size, std::int32_t weight);

// Selects the automatic effect: 0 none, 1 rain, 2 a travelling stone,
// 3 scattered drops, with their three parameters. Runs only while a surface
// runs.
void E_AutoEffects(std::int32_t mode, std::int32_t param1, std::int32_t param2, std::int32_t param3);

// Stops the surface and releases everything it holds; without one, nothing.
void E_WaveFree();
}

using WaveInitEntry = decltype(&E_WaveInit);
using WaveDropStoneEntry = decltype(&E_WaveDropStone);
using AutoEffectsEntry = decltype(&E_AutoEffects);
using WaveFreeEntry = decltype(&E_WaveFree);
