#include "cli/HexDump.h"

#include "core/common/HexDigits.h"
#include "core/preview/ByteText.h"

#include <algorithm>

namespace cfg::cli {
namespace {

constexpr std::size_t Line_Bytes = 16;

std::string line_text(std::size_t offset, std::span<const std::uint8_t> bytes) {
    std::string text = hex_text(offset, 8);
    std::string printable;
    for (std::size_t i = 0; i < Line_Bytes; ++i) {
        text += i % 8 == 0 ? "  " : " ";
        if (i < bytes.size()) {
            text += preview::Hex_Bytes(bytes.subspan(i, 1));
            printable += bytes[i] >= 0x20 && bytes[i] < 0x7F ? static_cast<char>(bytes[i]) : '.';
        } else {
            text += "  ";
        }
    }
    return text + "  |" + printable + "|";
}

} // namespace

std::vector<std::string> hexdump_lines(std::span<const std::uint8_t> bytes) {
    std::vector<std::string> lines;
    bool skipping = false;
    for (std::size_t offset = 0; offset < bytes.size(); offset += Line_Bytes) {
        const std::span<const std::uint8_t> line =
            bytes.subspan(offset, std::min(Line_Bytes, bytes.size() - offset));
        const bool same_as_before =
            offset > 0 && line.size() == Line_Bytes &&
            std::equal(line.begin(), line.end(),
                       bytes.begin() + static_cast<std::ptrdiff_t>(offset - Line_Bytes));
        if (same_as_before) {
            if (!skipping)
                lines.push_back("*");
            skipping = true;
            continue;
        }
        skipping = false;
        lines.push_back(line_text(offset, line));
    }
    lines.push_back(hex_text(bytes.size(), 8));
    return lines;
}

} // namespace cfg::cli
