#include "core/bytemap/MapPalette.h"

namespace cfg::bytemap {

std::string Hex(Rgb colour) {
    constexpr char digits[] = "0123456789abcdef";
    std::string text = "#";
    for (const std::uint8_t part : {colour.r, colour.g, colour.b}) {
        text += digits[part >> 4];
        text += digits[part & 0x0f];
    }
    return text;
}

} // namespace cfg::bytemap
