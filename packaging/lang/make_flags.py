#!/usr/bin/env python3
# Draws the two flag pictures of the language files (Italiano.bmp, Deutsch.bmp) as 48 x 32 24-bit BMP files.
import os
import struct

WIDTH, HEIGHT = 48, 32


def write_bmp(path, colour_at):
    """Write an uncompressed 24-bit BMP; colour_at(x, y) gives (r, g, b) with y = 0 at the top."""
    row_size = (WIDTH * 3 + 3) // 4 * 4
    pixels = bytearray()
    for y in range(HEIGHT - 1, -1, -1):  # BMP rows run from the bottom up
        row = bytearray()
        for x in range(WIDTH):
            r, g, b = colour_at(x, y)
            row += bytes((b, g, r))
        row += bytes(row_size - len(row))
        pixels += row
    offset = 14 + 40
    file_header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    info_header = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, 'wb') as out:
        out.write(file_header + info_header + pixels)


def italy(x, y):
    bands = ((0, 146, 70), (255, 255, 255), (206, 43, 55))
    return bands[x * 3 // WIDTH]


def germany(x, y):
    bands = ((0, 0, 0), (221, 0, 0), (255, 206, 0))
    return bands[y * 3 // HEIGHT]


if __name__ == '__main__':
    folder = os.path.dirname(os.path.abspath(__file__))
    write_bmp(os.path.join(folder, 'Italiano.bmp'), italy)
    write_bmp(os.path.join(folder, 'Deutsch.bmp'), germany)
