#include "cli/Json.h"

#include "core/common/Text.h"

namespace cfg::cli {

std::string json_string(std::string_view text) {
    static constexpr char hex_digits[] = "0123456789abcdef";
    std::string json = "\"";
    for (char c : valid_utf8(text)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            json += "\\u00";
            json += hex_digits[byte >> 4];
            json += hex_digits[byte & 0x0F];
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string json_string_or_null(const std::optional<std::string>& text) {
    return text ? json_string(*text) : "null";
}

std::string json_bool(bool value) {
    return value ? "true" : "false";
}

std::string json_line_object(std::initializer_list<Json_Member> members) {
    std::string line = "{";
    for (const auto& [name, value] : members)
        line += (line.size() > 1 ? ", " : "") + json_string(name) + ": " + value;
    return line + "}";
}

} // namespace cfg::cli
