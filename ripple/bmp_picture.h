// Reading the ripple picture: a BMP file into 24-bit rows, top row first.
#pragma once

#include <QImage>
#include <cstdint>

// The picture in the BMP file at `path` (in the system's encoding), at its own
// size, unscaled. A null image when the path is null, the file is missing,
// unreadable or not a BMP file.
QImage LoadBmpPicture(const char* path);

// Writes the picture's rows into `rows`, top row first, `stride` bytes apart,
// 3 bytes a pixel: blue, green, red. Any pixel format is converted; alpha is
// dropped. `rows` holds picture.height() x stride bytes; the caller owns it.
void ReadPictureRows(const QImage& picture, std::uint8_t* rows, std::uint32_t stride);
