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

// Whether a checksum "*hh" follows the body, and its value; a checksum of another shape is none.
std::optional<unsigned char> checksum_value(std::string_view sum) {
    const auto high = sum.size() == 2 ? hex_value(sum[0]) : std::nullopt;
    const auto low = sum.size() == 2 ? hex_value(sum[1]) : std::nullopt;
    if (!high || !low)
        return std::nullopt;
    return static_cast<unsigned char>(*high * 16 + *low);
}

// The catalogue code and the talker of an address field: "GPGGA" is GGA from GP; a proprietary
// address ("PJELA") is named with its "$" in front, as the catalogue names it.
bool read_address(std::string_view address, Received_Sentence& sentence) {
    const bool letters_and_digits = std::all_of(address.begin(), address.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
    if (!letters_and_digits || address.size() < 2)
        return false;
    if (address.front() == 'P') {
        sentence.code.assign("$").append(address);
        sentence.talker.clear();
        return true;
    }
    if (address.size() != 5)
        return false;
    sentence.code.assign(address.substr(2));
    sentence.talker.assign(address.substr(0, 2));
    return true;
}

// Field i of a sentence, assigned over the one the sentence held before, so that a sentence read
// after another allocates nothing new.
void assign_field(std::vector<std::string>& fields, std::size_t i, std::string_view text) {
    if (i < fields.size())
        fields[i].assign(text);
    else
        fields.emplace_back(text);
}

// Reads a line into sentence, whose storage it reuses; checksum tells whether one proved it whole.
// What sentence holds is the line's only for Line_Kind::Sentence.
Line_Kind read_line(std::string_view line, Received_Sentence& sentence, bool& checksum) {
    line = without_line_end(line);
    if (is_blank(line))
        return Line_Kind::Empty;

    line = without_tag_block(line);
    const std::size_t dollar = line.find('$');
    if (dollar == std::string_view::npos)
        return Line_Kind::Malformed;
    const std::string_view body = line.substr(dollar + 1);

    // One pass over the sentence up to its checksum: every byte printable, their XOR, and the fields
    // between its commas.
    unsigned char computed = 0;
    std::size_t address_end = std::string_view::npos;
    std::size_t field_start = 0;
    std::size_t fields = 0;
    const auto end_field = [&](std::size_t end) {
        if (address_end == std::string_view::npos)
            address_end = end;
        else
            assign_field(sentence.fields, fields++, body.substr(field_start, end - field_start));
        field_start = end + 1;
    };
    std::size_t star = 0;
    for (; star < body.size() && body[star] != '*'; ++star) {
        const char c = body[star];
        if (!is_printable(c) && c != '\t')
            return Line_Kind::Malformed;
        computed ^= static_cast<unsigned char>(c);
        if (c == ',')
            end_field(star);
    }
    end_field(star);
    sentence.fields.resize(fields);
    checksum = star < body.size();
    if (checksum) {
        const std::optional<unsigned char> sum = checksum_value(body.substr(star + 1));
        if (!sum)
            return Line_Kind::Malformed;
        if (*sum != computed)
            return Line_Kind::Bad_Checksum;
    }

    if (!read_address(body.substr(0, address_end), sentence))
        return Line_Kind::Malformed;
    return Line_Kind::Sentence;
}

} // namespace

Read_Line Read_Nmea_Line(std::string_view line) {
    Read_Line read{Line_Kind::Malformed, {}};
    read.kind = read_line(line, read.sentence, read.checksum);
    if (read.kind != Line_Kind::Sentence)
        return {read.kind, {}};
    return read;
}

void Log_Lines::Feed(std::string_view bytes, const Visit& visit) {
    while (!bytes.empty()) {
        const auto* end = static_cast<const char*>(std::memchr(bytes.data(), '\n', bytes.size()));
        if (!end) {
            keep(bytes);
            return;
        }
        const std::string_view part = bytes.substr(0, static_cast<std::size_t>(end - bytes.data()));
        if (line_.empty()) {
            // The whole line lies in the bytes given: handed on where it lies, without a copy.
            visit(part.substr(0, Longest_Log_Line), part.size() > Longest_Log_Line);
        } else {
            keep(part);
            visit(line_, too_long_);
            line_.clear();
            too_long_ = false;
        }
        bytes.remove_prefix(part.size() + 1);
    }
}

void Log_Lines::keep(std::string_view part) {
    const std::size_t room = Longest_Log_Line - line_.size();
    line_.append(part.substr(0, room));
    too_long_ = too_long_ || part.size() > room;
}

void Log_Lines::Finish(const Visit& visit) {
    if (line_.empty() && !too_long_)
        return;
    visit(line_, too_long_ || !whole_without_end(line_));
    line_.clear();
    too_long_ = false;
}

const Received_Sentence* Log_Reader::Take(std::string_view line, bool cut) {
    bool checksum = false;
    const Line_Kind kind = cut ? Line_Kind::Malformed : read_line(line, sentence_, checksum);
    if (kind == Line_Kind::Empty)
        return nullptr;
    ++summary_.lines;
    if (kind == Line_Kind::Bad_Checksum) {
        ++summary_.bad_checksums;
        return nullptr;
    }
    if (kind == Line_Kind::Malformed) {
        ++summary_.malformed;
        return nullptr;
    }
    ++summary_.sentences;
    summary_.without_checksum += checksum ? 0 : 1;
    summary_.sentences_by_code.Count(sentence_.code);
    return &sentence_;
}

Log_Summary Read_Nmea_Log(std::istream& log, const std::function<void(const Received_Sentence&)>& visit) {
    Log_Reader reader;
    Log_Lines lines;
    const Log_Lines::Visit take = [&](std::string_view line, bool cut) {
        if (const Received_Sentence* sentence = reader.Take(line, cut))
            visit(*sentence);
    };
    // In blocks, so a log of any size is read with little memory.
    std::array<char, 65536> block{};
    while (log.read(block.data(), block.size()) || log.gcount() > 0)
        lines.Feed(std::string_view(block.data(), static_cast<std::size_t>(log.gcount())), take);
    lines.Finish(take);
    return reader.summary();
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
