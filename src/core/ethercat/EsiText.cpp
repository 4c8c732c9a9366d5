#include "core/ethercat/EsiText.h"

#include "core/common/HexDigits.h"
#include "core/common/Text.h"

#include <algorithm>
#include <bit>

namespace cfg::ethercat {
namespace {

bool allowed_in_xml(char32_t code) {
    if (code < 0x20)
        return code == U'\t' || code == U'\n' || code == U'\r';
    return code != 0xFFFE && code != 0xFFFF;
}

// ASCII from the blank up, other than the characters XML reserves, stands for itself.
constexpr auto plain_in_xml = [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte < 0x80 && c != '&' && c != '<' && c != '>' && c != '"' && c != '\'';
};

} // namespace

std::string hex_upper(std::uint32_t value, int min_digits) {
    const int width = std::max({1, min_digits, static_cast<int>(std::bit_width(value) + 3) / 4});
    return hex_text(value, width, Hex_Letters::Upper);
}

std::string esi_escaped(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    append_changing(escaped, text, plain_in_xml, [](std::string& out, char32_t code) {
        switch (code) {
        case U'&':
            out += "&amp;";
            break;
        case U'<':
            out += "&lt;";
            break;
        case U'>':
            out += "&gt;";
            break;
        case U'"':
            out += "&quot;";
            break;
        case U'\'':
            out += "&apos;";
            break;
        default:
            // Bytes that are not UTF-8 already come as U+FFFD.
            append_utf8(out, allowed_in_xml(code) ? code : U'\uFFFD');
        }
    });
    return escaped;
}

} // namespace cfg::ethercat
