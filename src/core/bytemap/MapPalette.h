#pragma once

#include <array>
#include <cstdint>
#include <string>

// The colours of the byte map and of the warnings beside it, in one place: the screens paint with
// them and the SVG file names them, so a picture looks like the screen it came from.
namespace cfg::bytemap {

struct Rgb {
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;

    bool operator==(const Rgb&) const = default;
};

// "#a5d8ff".
std::string Hex(Rgb colour);

namespace palette {

inline constexpr Rgb Background{0xff, 0xff, 0xff};
inline constexpr Rgb Text{0x21, 0x25, 0x29};
inline constexpr Rgb Faint_Text{0x86, 0x8e, 0x96};
inline constexpr Rgb Array_Lane{0xff, 0xff, 0xff};
inline constexpr Rgb Image_Lane{0xf1, 0xf3, 0xf5};
inline constexpr Rgb Lane_Border{0xce, 0xd4, 0xda};
inline constexpr Rgb Block_Border{0x49, 0x50, 0x57};
inline constexpr Rgb Outside_Hatch{0xad, 0xb5, 0xbd};
// A strong warning for borders and hatching, and a pale one behind warned rows and notices.
inline constexpr Rgb Warning{0xe8, 0x59, 0x0c};
inline constexpr Rgb Warning_Pale{0xff, 0xf3, 0xcd};
inline constexpr Rgb Warning_Text{0x66, 0x4d, 0x03};
// Cells the user cannot edit.
inline constexpr Rgb Read_Only{0xe9, 0xec, 0xef};
inline constexpr Rgb Read_Only_Text{0x49, 0x50, 0x57};

// The fills of the blocks, by row; none of them reads as a warning.
inline constexpr std::array<Rgb, 8> Blocks{{{0xa5, 0xd8, 0xff},
                                            {0xb2, 0xf2, 0xbb},
                                            {0xff, 0xec, 0x99},
                                            {0xd0, 0xbf, 0xff},
                                            {0x99, 0xe9, 0xf2},
                                            {0xc0, 0xeb, 0x75},
                                            {0xee, 0xbe, 0xfa},
                                            {0xde, 0xe2, 0xe6}}};

// The fill of the blocks of a table row (1 for the first).
inline constexpr Rgb Row_Colour(int row) {
    return Blocks[static_cast<std::size_t>(row - 1) % Blocks.size()];
}

} // namespace palette
} // namespace cfg::bytemap
