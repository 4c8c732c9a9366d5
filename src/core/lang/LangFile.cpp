#include "core/lang/LangFile.h"

#include "core/common/FileBytes.h"
#include "core/common/Text.h"
#include "core/lang/LangFileText.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cfg {
namespace {

constexpr std::string_view Line_Start = "STR";
constexpr std::string_view Comment_Mark = "/#/";
constexpr std::string_view Protected_Blank_Mark = "\xC2\xB6"; // "¶"

std::vector<std::string_view> split_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

// A decimal index within the catalogue, or nothing.
std::optional<int> catalogue_index(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    int index = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        index = index * 10 + (c - '0');
        if (index >= Lang_Count)
            return std::nullopt;
    }
    return index;
}

// The text after "=", with the comment cut and the protected blanks applied; nothing when the line
// gives no text. A text that is only blanks before its comment leaves the entry as it was.
std::optional<std::string> line_text(std::string_view after_equals) {
    std::string text = trimmed(after_equals);
    if (text.empty())
        return std::nullopt;
    if (const auto comment = text.find(Comment_Mark); comment != std::string::npos) {
        text = trimmed(std::string_view(text).substr(0, comment));
        if (text.empty())
            return std::nullopt;
    }
    if (text.starts_with(Protected_Blank_Mark))
        text.erase(0, Protected_Blank_Mark.size());
    if (const auto end = text.find(Protected_Blank_Mark); end != std::string::npos)
        text.erase(end);
    return text;
}

void apply_line(Lang_Strings& texts, std::string_view raw_line) {
    const std::string line = trimmed(raw_line);
    if (!line.starts_with(Line_Start))
        return;
    const std::size_t equals = line.find('=');
    // The index ends before the character in front of "=", which the format wants to be a blank.
    if (equals == std::string::npos || equals <= Line_Start.size() + 1)
        return;
    const std::string_view index_text =
        std::string_view(line).substr(Line_Start.size(), equals - 1 - Line_Start.size());
    const std::optional<int> index = catalogue_index(trimmed(index_text));
    if (!index)
        return;
    if (std::optional<std::string> text = line_text(std::string_view(line).substr(equals + 1)))
        texts.set(*index, std::move(*text));
}

} // namespace

void Load_Lang_File(Lang_Strings& texts, const std::filesystem::path& file) {
    Load_Lang_Bytes(texts, read_file_bytes(file, Text_File_Limit));
}

void Load_Lang_Bytes(Lang_Strings& texts, std::string_view bytes) {
    const std::string text = decode_lang_file_text(bytes);
    for (std::string_view line : split_lines(text))
        apply_line(texts, line);
}

} // namespace cfg
