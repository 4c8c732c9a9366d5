#include "core/ethercat/EsiText.h"

#include "core/common/Text.h"

#include <charconv>

namespace cfg::ethercat {
namespace {

bool allowed_in_xml(char32_t code) {
    if (code < 0x20)
        return code == U'\t' || code == U'\n' || code == U'\r';
    return code != 0xFFFE && code != 0xFFFF;
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
    std::string escaped;
    escaped.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t code = next_code_point(text, pos);
        switch (code) {
        case U'&':
            escaped += "&amp;";
            break;
        case U'<':
            escaped += "&lt;";
            break;
        case U'>':
            escaped += "&gt;";
            break;
        case U'"':
            escaped += "&quot;";
            break;
        case U'\'':
            escaped += "&apos;";
            break;
        default:
            // Bytes that are not UTF-8 already come as U+FFFD.
            append_utf8(escaped, allowed_in_xml(code) ? code : U'\uFFFD');
        }
    }
    return escaped;
}

} // namespace cfg::ethercat
