#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace cfg {

// Writes the lines as Windows-1252 text, every line (the last included) ending with CR LF,
// through the safe writer. A character the code page cannot hold becomes "?".
void write_windows1252_lines(const std::filesystem::path& target, const std::vector<std::string>& lines);

} // namespace cfg
