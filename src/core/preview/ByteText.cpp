#include "core/preview/ByteText.h"

#include "core/common/HexDigits.h"

#include <charconv>

namespace cfg::preview {

std::string Hex_Bytes(std::span<const std::uint8_t> bytes, std::string_view separator) {
    std::string text;
    for (const std::uint8_t byte : bytes) {
        if (!text.empty())
            text += separator;
        append_hex(text, byte, 2);
    }
    return text;
}

std::string Printable_Text(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) {
        if (byte == 0)
            break;
        if (byte >= 0x20 && byte < 0x7F) {
            text += static_cast<char>(byte);
        } else {
            text += "\\x";
            append_hex(text, byte, 2);
        }
    }
    return text;
}

std::string Single_Text(float value) {
    char buffer[64]; // the largest single takes 39 digits without an exponent
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

} // namespace cfg::preview
