// The two files the program carries for the ripple effect, placed in it at
// build time: the ripple library and the ripple picture.
#pragma once

#include <cstdint>
#include <span>

// The complete file of the ripple library (libwave.so), byte for byte.
std::span<const std::uint8_t> WaveLibraryBytes();

// The ripple picture: a BMP file of 174 x 193 pixels, 24 bits a pixel.
std::span<const std::uint8_t> RipplePictureBytes();
