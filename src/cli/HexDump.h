#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace cfg::cli {

// Bytes as "hexdump -C" shows them: an 8-digit hexadecimal offset, sixteen bytes in two groups of
// eight, the printable ones between bars; a run of lines equal to the one before is one "*", and a
// last line holds the length.
std::vector<std::string> hexdump_lines(std::span<const std::uint8_t> bytes);

} // namespace cfg::cli
