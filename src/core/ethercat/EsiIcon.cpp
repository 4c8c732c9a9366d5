#include "core/ethercat/EsiIcon.h"

#include "core/common/HexDigits.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace cfg::ethercat {
namespace {

constexpr int Width = 16;
constexpr int Height = 14;

// Top row first, as it is seen.
constexpr std::array<std::string_view, Height> Picture{
    "KKKKKKKKKKKKKKKK", //
    "KBBBBBBBBBBBBBBK", //
    "KBBBBBBBBWBBBBBK", //
    "KBBBBBBBBWWBBBBK", //
    "KBBWWWWWWWWWBBBK", //
    "KBBBBBBBBWWBBBBK", //
    "KBBBBBBBBWBBBBBK", //
    "KBBBBBYBBBBBBBBK", //
    "KBBBBYYBBBBBBBBK", //
    "KBBBYYYYYYYYBBBK", //
    "KBBBBYYBBBBBBBBK", //
    "KBBBBBYBBBBBBBBK", //
    "KBBBBBBBBBBBBBBK", //
    "KKKKKKKKKKKKKKKK", //
};

struct Colour {
    std::uint8_t red, green, blue;
};

Colour colour_of(char key) {
    switch (key) {
    case 'K':
        return {0x40, 0x40, 0x40};
    case 'W':
        return {0xFF, 0xFF, 0xFF};
    case 'Y':
        return {0xFF, 0xC8, 0x00};
    default:
        return {0x00, 0x5A, 0x9E};
    }
}

void append_u16(std::string& bytes, std::uint16_t value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8);
}

void append_u32(std::string& bytes, std::uint32_t value) {
    append_u16(bytes, static_cast<std::uint16_t>(value & 0xFFFF));
    append_u16(bytes, static_cast<std::uint16_t>(value >> 16));
}

} // namespace

std::string esi_icon_bmp() {
    constexpr std::uint32_t header_size = 14 + 40;
    constexpr std::uint32_t row_size = Width * 3; // 48: already a multiple of 4, no row padding
    constexpr std::uint32_t pixel_size = row_size * Height;

    std::string bytes = "BM";
    append_u32(bytes, header_size + pixel_size);
    append_u32(bytes, 0);
    append_u32(bytes, header_size);
    append_u32(bytes, 40);
    append_u32(bytes, Width);
    append_u32(bytes, Height);
    append_u16(bytes, 1);  // planes
    append_u16(bytes, 24); // bits per pixel
    append_u32(bytes, 0);  // no compression
    append_u32(bytes, pixel_size);
    append_u32(bytes, 2835); // 72 dpi
    append_u32(bytes, 2835);
    append_u32(bytes, 0);
    append_u32(bytes, 0);
    // A BMP stores the bottom row first and each pixel as blue, green, red.
    for (int row = Height - 1; row >= 0; --row) {
        for (const char key : Picture[static_cast<std::size_t>(row)]) {
            const Colour colour = colour_of(key);
            bytes += static_cast<char>(colour.blue);
            bytes += static_cast<char>(colour.green);
            bytes += static_cast<char>(colour.red);
        }
    }
    return bytes;
}

std::string esi_icon_hex() {
    std::string hex;
    for (const char byte : esi_icon_bmp())
        append_hex(hex, static_cast<unsigned char>(byte), 2);
    return hex;
}

} // namespace cfg::ethercat
