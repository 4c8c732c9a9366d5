#include "core/nmea/NmeaSentence.h"

#include "core/common/ConfigError.h"
#include "core/common/PathText.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>

namespace cfg::nmea {
namespace {

bool is_printable(char c) {
    return c >= 0x20 && c < 0x7F;
}

std::optional<int> hex_value(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return std::nullopt;
}

// The line without the CR LF or blanks at its end.
std::string_view without_line_end(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n' || line.back() == ' '))
        line.remove_suffix(1);
    return line;
}

bool is_blank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// Whether a line that lost its end can still be read whole: a checksum at its end shows that nothing
// of the sentence is missing, and a blank line has nothing to lose.
bool whole_without_end(std::string_view line) {
    line = without_line_end(line);
    return is_blank(line) || (line.size() >= 3 && line[line.size() - 3] == '*');
}

// The text after a leading tag block "\...\", or the whole line when it has none.
std::string_view without_tag_block(std::string_view line) {
    if (line.empty() || line.front() != '\\')
        return line;
    const std::size_t end = line.find('\\', 1);
    return end == std::string_view::npos ? std::string_view() : line.substr(end + 1);
}

std::vector<std::string> split_fields(std::string_view text) {
    std::vector<std::string> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        fields.emplace_back(text.substr(start, comma - start));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

// The catalogue code and the talker of an address field: "GPGGA" is GGA from GP; a proprietary
// address ("PJELA") is named with its "$" in front, as the catalogue names it.
std::optional<std::pair<std::string, std::string>> code_and_talker(std::string_view address) {
    const bool letters_and_digits = std::all_of(address.begin(), address.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
    if (!letters_and_digits || address.size() < 2)
        return std::nullopt;
    if (address.front() == 'P')
        return std::pair{"$" + std::string(address), std::string()};
    if (address.size() != 5)
        return std::nullopt;
    return std::pair{std::string(address.substr(2)), std::string(address.substr(0, 2))};
}

} // namespace

Read_Line Read_Nmea_Line(std::string_view line) {
    line = without_line_end(line);
    if (is_blank(line))
        return {Line_Kind::Empty, {}};

    line = without_tag_block(line);
    const std::size_t dollar = line.find('$');
    if (dollar == std::string_view::npos)
        return {Line_Kind::Malformed, {}};
    std::string_view body = line.substr(dollar + 1);
    if (!std::all_of(body.begin(), body.end(), [](char c) { return is_printable(c) || c == '\t'; }))
        return {Line_Kind::Malformed, {}};

    const std::size_t star = body.find('*');
    if (star != std::string_view::npos) {
        const std::string_view sum = body.substr(star + 1);
        const auto high = sum.size() == 2 ? hex_value(sum[0]) : std::nullopt;
        const auto low = sum.size() == 2 ? hex_value(sum[1]) : std::nullopt;
        if (!high || !low)
            return {Line_Kind::Malformed, {}};
        body = body.substr(0, star);
        unsigned char computed = 0;
        for (const char c : body)
            computed ^= static_cast<unsigned char>(c);
        if (computed != *high * 16 + *low)
            return {Line_Kind::Bad_Checksum, {}};
    }

    std::vector<std::string> fields = split_fields(body);
    const auto address = code_and_talker(fields.front());
    if (!address)
        return {Line_Kind::Malformed, {}};
    fields.erase(fields.begin());
    return {Line_Kind::Sentence,
            {address->first, address->second, std::move(fields)},
            star != std::string_view::npos};
}

void Log_Lines::Feed(std::string_view bytes, const Visit& visit) {
    for (const char c : bytes) {
        if (c == '\n') {
            visit(line_, too_long_);
            line_.clear();
            too_long_ = false;
        } else if (line_.size() < Longest_Log_Line) {
            line_.push_back(c);
        } else {
            too_long_ = true;
        }
    }
}

void Log_Lines::Finish(const Visit& visit) {
    if (line_.empty() && !too_long_)
        return;
    visit(line_, too_long_ || !whole_without_end(line_));
    line_.clear();
    too_long_ = false;
}

std::optional<Received_Sentence> Count_Log_Line(Log_Summary& summary, std::string_view line, bool cut) {
    Read_Line read = cut ? Read_Line{Line_Kind::Malformed, {}} : Read_Nmea_Line(line);
    if (read.kind == Line_Kind::Empty)
        return std::nullopt;
    ++summary.lines;
    if (read.kind == Line_Kind::Bad_Checksum) {
        ++summary.bad_checksums;
        return std::nullopt;
    }
    if (read.kind == Line_Kind::Malformed) {
        ++summary.malformed;
        return std::nullopt;
    }
    ++summary.sentences;
    summary.without_checksum += read.checksum ? 0 : 1;
    summary.sentences_by_code.Count(read.sentence.code);
    return std::move(read.sentence);
}

Log_Summary Read_Nmea_Log(std::istream& log, const std::function<void(const Received_Sentence&)>& visit) {
    Log_Summary summary;
    Log_Lines lines;
    const Log_Lines::Visit take = [&](std::string_view line, bool too_long) {
        if (const std::optional<Received_Sentence> sentence = Count_Log_Line(summary, line, too_long))
            visit(*sentence);
    };
    // In blocks, so a log of any size is read with little memory.
    std::array<char, 65536> block{};
    while (log.read(block.data(), block.size()) || log.gcount() > 0)
        lines.Feed(std::string_view(block.data(), static_cast<std::size_t>(log.gcount())), take);
    lines.Finish(take);
    return summary;
}

Log_Summary Read_Nmea_Log_File(const std::filesystem::path& file,
                               const std::function<void(const Received_Sentence&)>& visit) {
    const auto fail = [&](const std::string& reason) {
        return ConfigError("Cannot read the log \"" + utf8_path(file) + "\": " + reason);
    };
    std::error_code error;
    if (std::filesystem::is_directory(file, error))
        throw fail("it is a folder");
    std::ifstream log(file, std::ios::binary);
    if (!log)
        throw fail(std::strerror(errno));
    const Log_Summary summary = Read_Nmea_Log(log, visit);
    if (log.bad())
        throw fail(std::strerror(errno));
    return summary;
}

} // namespace cfg::nmea
