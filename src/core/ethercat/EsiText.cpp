#include "core/ethercat/EsiText.h"

#include "core/common/Text.h"

#include <charconv>

namespace cfg::ethercat {
namespace {

bool allowed_in_xml(char16_t unit) {
    if (unit < 0x20)
        return unit == u'\t' || unit == u'\n' || unit == u'\r';
    return unit != 0xFFFE && unit != 0xFFFF;
}

} // namespace

std::string hex_upper(std::uint32_t value, int min_digits) {
    char buffer[8];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
    std::string digits = upper_ascii(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
    if (static_cast<int>(digits.size()) < min_digits)
        digits.insert(0, static_cast<std::size_t>(min_digits) - digits.size(), '0');
    return digits;
}

std::string esi_escaped(std::string_view text) {
    // The round trip through UTF-16 turns every byte sequence that is not UTF-8 into U+FFFD.
    std::u16string units = utf8_to_utf16(text);
    for (char16_t& unit : units) {
        if (!allowed_in_xml(unit))
            unit = 0xFFFD;
    }
    std::string escaped;
    for (const char c : utf16_to_utf8(units)) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&apos;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace cfg::ethercat
