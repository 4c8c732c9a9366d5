#include "cli/TextColumns.h"

#include "core/common/Text.h"

#include <algorithm>
#include <ostream>

namespace cfg::cli {

std::vector<std::string> aligned_columns(const std::vector<std::vector<std::string>>& rows) {
    // Characters, not bytes, so that names with accents keep the columns straight.
    std::vector<std::vector<std::size_t>> lengths;
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        std::vector<std::size_t>& row_lengths = lengths.emplace_back();
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t i = 0; i < row.size(); ++i) {
            row_lengths.push_back(utf16_length(row[i]));
            widths[i] = std::max(widths[i], row_lengths.back());
        }
    }
    std::vector<std::string> lines;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto& row = rows[r];
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size())
                line.append(widths[i] - lengths[r][i] + 2, ' ');
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        lines.push_back(std::move(line));
    }
    return lines;
}

void write_lines(std::ostream& out, const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        out << line << '\n';
}

} // namespace cfg::cli
