#include "core/common/Windows1252.h"

#include "core/common/Text.h"

#include <array>

namespace cfg {
namespace {

// Bytes 0x80 to 0x9F; the five bytes the code page leaves undefined map to the C1 controls.
constexpr std::array<char16_t, 32> high_controls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char encode_unit(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<char>(unit);
    for (std::size_t i = 0; i < high_controls.size(); ++i) {
        if (high_controls[i] == unit)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

std::string utf8_to_windows1252(std::string_view utf8) {
    const std::u16string utf16 = utf8_to_utf16(utf8);
    std::string bytes;
    bytes.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char16_t unit = utf16[i];
        // A character outside the basic plane is one character: one "?", not two.
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < utf16.size())
            ++i;
        bytes += encode_unit(unit);
    }
    return bytes;
}

std::string windows1252_to_utf8(std::string_view bytes) {
    std::u16string utf16;
    utf16.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        utf16 += (byte >= 0x80 && byte < 0xA0) ? high_controls[byte - 0x80] : static_cast<char16_t>(byte);
    }
    return utf16_to_utf8(utf16);
}

} // namespace cfg
