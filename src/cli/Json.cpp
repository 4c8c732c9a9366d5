#include "cli/Json.h"

#include "core/common/HexDigits.h"
#include "core/common/Text.h"

namespace cfg::cli {
namespace {

// ASCII from the blank up, other than the quote and the backslash, stands for itself.
constexpr auto plain_in_json = [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte < 0x80 && c != '"' && c != '\\';
};

void append_json_string(std::string& json, std::string_view text) {
    json += '"';
    append_changing(json, text, plain_in_json, [](std::string& out, char32_t code) {
        if (code == U'"' || code == U'\\') {
            out += '\\';
            out += static_cast<char>(code);
        } else if (code < 0x20) {
            out += "\\u00";
            append_hex(out, code, 2);
        } else {
            append_utf8(out, code);
        }
    });
    json += '"';
}

} // namespace

std::string json_string(std::string_view text) {
    std::string json;
    json.reserve(text.size() + 2);
    append_json_string(json, text);
    return json;
}

std::string json_string_or_null(const std::optional<std::string>& text) {
    return text ? json_string(*text) : "null";
}

std::string json_bool(bool value) {
    return value ? "true" : "false";
}

std::string json_line_object(std::initializer_list<Json_Member> members) {
    // One allocation a line: the braces, and each member's quotes, colon and separator.
    std::size_t size = 2;
    for (const auto& [name, value] : members)
        size += name.size() + value.size() + 6;
    std::string line;
    line.reserve(size);
    line += '{';
    for (const auto& [name, value] : members) {
        if (line.size() > 1)
            line += ", ";
        append_json_string(line, name);
        line += ": ";
        line += value;
    }
    line += '}';
    return line;
}

} // namespace cfg::cli
