#include "core/common/Text.h"

#include <algorithm>

namespace cfg {
namespace {

constexpr char32_t replacement_character = 0xFFFD;

// A lambda rather than a function, so the search for the end of a run inlines it.
constexpr auto is_ascii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };

bool is_trimmed_away(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

char32_t next_code_point(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    int length = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, minimum = 0x10000;
    } else {
        ++pos;
        return replacement_character;
    }
    if (pos + length > text.size()) {
        ++pos;
        return replacement_character;
    }
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return replacement_character;
        }
        code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        ++pos;
        return replacement_character;
    }
    pos += length;
    return code;
}

void append_utf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string trimmed(std::string_view text) {
    const auto first = std::find_if_not(text.begin(), text.end(), is_trimmed_away);
    const auto last =
        std::find_if_not(text.rbegin(), std::make_reverse_iterator(first), is_trimmed_away).base();
    return std::string(first, last);
}

std::string upper_ascii(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

bool all_decimal_digits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool equal_ignoring_ascii_case(std::string_view a, std::string_view b) {
    return upper_ascii(a) == upper_ascii(b);
}

std::u16string utf8_to_utf16(std::string_view utf8) {
    std::u16string result;
    result.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t code = next_code_point(utf8, pos);
        if (code >= 0x10000) {
            const char32_t offset = code - 0x10000;
            result += static_cast<char16_t>(0xD800 + (offset >> 10));
            result += static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
        } else {
            result += static_cast<char16_t>(code);
        }
    }
    return result;
}

std::string utf16_to_utf8(std::u16string_view utf16) {
    std::string result;
    result.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char16_t unit = utf16[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            append_utf8(result,
                        0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(utf16[i + 1]) - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            append_utf8(result, replacement_character);
        } else {
            append_utf8(result, unit);
        }
    }
    return result;
}

std::string valid_utf8(std::string_view utf8) {
    std::string result;
    result.reserve(utf8.size());
    append_changing(result, utf8, is_ascii, append_utf8);
    return result;
}

std::size_t utf16_length(std::string_view utf8) {
    // ASCII, by far the most common, is one unit a byte and takes no decoding.
    std::size_t pos =
        static_cast<std::size_t>(std::find_if_not(utf8.begin(), utf8.end(), is_ascii) - utf8.begin());
    std::size_t units = pos;
    while (pos < utf8.size())
        units += next_code_point(utf8, pos) >= 0x10000 ? 2 : 1;
    return units;
}

std::string utf16_low_bytes(std::string_view utf8) {
    std::string bytes;
    for (char16_t unit : utf8_to_utf16(utf8))
        bytes += static_cast<char>(unit & 0xFF);
    return bytes;
}

} // namespace cfg
