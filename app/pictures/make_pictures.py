#!/usr/bin/env python3
"""Draws Polvane's two pictures: ripple.bmp, the 174 x 193 picture that the
ripple effect bends (24-bit BMP), and busy.gif, the 280 x 16 looping animation
shown while an analysis waits. Pure Python, no packages: run it to redraw them."""

import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def ripple_pixel(x, y, width, height):
    """A lake at dusk: sky, sun, hills, water with light stripes. Returns (r, g, b)."""
    horizon = int(height * 0.45)
    if y < horizon:
        t = y / horizon
        r, g, b = 40 + 180 * t, 70 + 120 * t, 140 + 60 * t
        dx, dy = x - width * 0.68, y - horizon * 0.55
        d = math.hypot(dx, dy)
        if d < 18:
            r, g, b = 255, 214, 120
        elif d < 30:
            k = (30 - d) / 12
            r, g, b = r + (255 - r) * k * 0.6, g + (200 - g) * k * 0.6, b + (120 - b) * k * 0.6
        hill = horizon - 22 - 14 * math.sin(x / 23.0) - 8 * math.sin(x / 9.0 + 1.3)
        if y > hill:
            r, g, b = 46 + (y - hill) * 1.2, 92 + (y - hill) * 0.8, 70
        return r, g, b
    t = (y - horizon) / (height - horizon)
    r, g, b = 30 + 20 * t, 90 - 30 * t, 150 - 40 * t
    stripe = math.sin(y * 0.9 + math.sin(x / 11.0) * 2.0)
    if stripe > 0.85:
        r, g, b = r + 60, g + 70, b + 80
    if abs(x - width * 0.68) < 10 - 6 * t and stripe > 0.3:
        r, g, b = 250, 200, 120
    return r, g, b


def write_bmp(path, width, height, pixel):
    """A 24-bit bottom-up BMP with rows padded to four bytes."""
    row_size = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = (max(0, min(255, int(c))) for c in pixel(x, y, width, height))
            row += bytes((b, g, r))
        row += b"\0" * (row_size - len(row))
        rows.append(bytes(row))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + data)


def lzw(indices, min_code_size):
    """GIF's variable-width LZW of a list of palette indices."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    table = {(i,): i for i in range(clear)}
    next_code, width = end + 1, min_code_size + 1
    bits, nbits, out = 0, 0, bytearray()

    def emit(code):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8

    emit(clear)
    current = ()
    for index in indices:
        candidate = current + (index,)
        if candidate in table:
            current = candidate
            continue
        emit(table[current])
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            emit(clear)
            table = {(i,): i for i in range(clear)}
            next_code, width = end + 1, min_code_size + 1
        current = (index,)
    if current:
        emit(table[current])
    emit(end)
    if nbits:
        out.append(bits & 0xFF)
    return bytes(out)


def write_gif(path, width, height, palette, frames, delay_cs):
    """A looping animated GIF; `frames` are lists of palette indices."""
    size_bits = max(1, (len(palette) - 1).bit_length())
    table = b"".join(bytes(c) for c in palette) + b"\0\0\0" * ((1 << size_bits) - len(palette))
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", width, height, 0x80 | 0x70 | (size_bits - 1), 0, 0)
    out += table
    out += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"  # loop for ever
    min_code_size = max(2, size_bits)
    for frame in frames:
        out += struct.pack("<BBBBHB", 0x21, 0xF9, 4, 0, delay_cs, 0) + b"\0"
        out += struct.pack("<BHHHHB", 0x2C, 0, 0, width, height, 0)
        data = lzw(frame, min_code_size)
        out.append(min_code_size)
        for start in range(0, len(data), 255):
            block = data[start:start + 255]
            out.append(len(block))
            out += block
        out.append(0)
    out.append(0x3B)
    with open(path, "wb") as out_file:
        out_file.write(out)


def busy_frames(width, height, count):
    """A bright block gliding along a rounded track, one frame a step."""
    frames = []
    for f in range(count):
        centre = (f + 0.5) * (width + 80) / count - 40
        frame = []
        for y in range(height):
            for x in range(width):
                edge = y in (0, height - 1) or x in (0, width - 1)
                glow = max(0.0, 1.0 - abs(x - centre) / 40.0)
                level = 1 + int(glow * 6)
                frame.append(0 if edge else level)
        frames.append(frame)
    return frames


def main():
    write_bmp(os.path.join(HERE, "ripple.bmp"), 174, 193, ripple_pixel)
    palette = [(120, 130, 150)] + [(200 - 20 * i, 220 - 12 * i, 255 - 4 * i) for i in range(7)]
    palette = [palette[0]] + list(reversed(palette[1:]))
    write_gif(os.path.join(HERE, "busy.gif"), 280, 16, palette, busy_frames(280, 16, 20), 6)


if __name__ == "__main__":
    main()
