#include "core/lang/LangFileText.h"

#include "core/common/Text.h"
#include "core/common/Windows1252.h"

namespace cfg {
namespace {

constexpr std::string_view Utf8_Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16_Le_Mark = "\xFF\xFE";
constexpr std::string_view Utf16_Be_Mark = "\xFE\xFF";

// Every invalid sequence is replaced, so only valid UTF-8 comes back unchanged.
bool is_valid_utf8(std::string_view bytes) {
    return valid_utf8(bytes) == bytes;
}

std::string utf16_bytes_to_utf8(std::string_view bytes, bool big_endian) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        units += static_cast<char16_t>(big_endian ? (first << 8) | second : (second << 8) | first);
    }
    return utf16_to_utf8(units);
}

} // namespace

std::string decode_lang_file_text(std::string_view bytes) {
    if (bytes.starts_with(Utf8_Mark))
        return valid_utf8(bytes.substr(Utf8_Mark.size()));
    if (bytes.starts_with(Utf16_Le_Mark))
        return utf16_bytes_to_utf8(bytes.substr(Utf16_Le_Mark.size()), false);
    if (bytes.starts_with(Utf16_Be_Mark))
        return utf16_bytes_to_utf8(bytes.substr(Utf16_Be_Mark.size()), true);
    if (is_valid_utf8(bytes))
        return std::string(bytes);
    return windows1252_to_utf8(bytes);
}

} // namespace cfg
