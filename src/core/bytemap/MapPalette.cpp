#include "core/bytemap/MapPalette.h"

#include "core/common/HexDigits.h"

namespace cfg::bytemap {

std::string Hex(Rgb colour) {
    std::string text = "#";
    for (const std::uint8_t part : {colour.r, colour.g, colour.b})
        append_hex(text, part, 2);
    return text;
}

} // namespace cfg::bytemap
