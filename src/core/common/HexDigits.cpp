#include "core/common/HexDigits.h"

namespace cfg {

void append_hex(std::string& text, std::uint64_t value, int digits, Hex_Letters letters) {
    constexpr std::string_view upper = "0123456789ABCDEF";
    const std::string_view table = letters == Hex_Letters::Upper ? upper : Lower_Hex_Digits;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        text += shift < 64 ? table[(value >> shift) & 0xF] : '0';
}

std::string hex_text(std::uint64_t value, int digits, Hex_Letters letters) {
    std::string text;
    append_hex(text, value, digits, letters);
    return text;
}

} // namespace cfg
