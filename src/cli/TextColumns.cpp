#include "cli/TextColumns.h"

#include "core/common/Text.h"

#include <algorithm>
#include <ostream>

namespace cfg::cli {
namespace {

// Characters, not bytes, so that names with accents keep the columns straight. The length of every
// cell that is padded is kept, in the order of the cells; the last column pads nothing, so its cells
// need no length and give no width.
struct Column_Measures {
    std::size_t padded_columns = 0;
    std::vector<std::size_t> widths;
    std::vector<std::size_t> lengths;
    std::size_t bytes = 0; // of all cells
};

// row_at(r) gives row r as a sized, indexed sequence of texts.
template <typename Row_At> Column_Measures measure(std::size_t row_count, Row_At row_at) {
    Column_Measures measures;
    for (std::size_t r = 0; r < row_count; ++r)
        measures.padded_columns = std::max(measures.padded_columns, row_at(r).size());
    measures.padded_columns = std::max<std::size_t>(measures.padded_columns, 1) - 1;
    measures.widths.resize(measures.padded_columns);
    for (std::size_t r = 0; r < row_count; ++r) {
        const auto& row = row_at(r);
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::string_view cell = row[i];
            measures.bytes += cell.size();
            if (i < measures.padded_columns) {
                const std::size_t length = utf16_length(cell);
                measures.lengths.push_back(length);
                measures.widths[i] = std::max(measures.widths[i], length);
            }
        }
    }
    return measures;
}

// Appends the row's line to text; next_length is the index of the row's first length in the measures.
template <typename Row>
void append_line(std::string& text, const Row& row, const Column_Measures& measures,
                 std::size_t& next_length) {
    const std::size_t start = text.size();
    for (std::size_t i = 0; i < row.size(); ++i) {
        text += std::string_view(row[i]);
        if (i < measures.padded_columns) {
            const std::size_t length = measures.lengths[next_length++];
            if (i + 1 < row.size())
                text.append(measures.widths[i] - length + 2, ' ');
        }
    }
    while (text.size() > start && text.back() == ' ')
        text.pop_back();
}

} // namespace

std::vector<std::string> aligned_columns(const std::vector<std::vector<std::string>>& rows) {
    const auto row_at = [&](std::size_t r) -> const std::vector<std::string>& { return rows[r]; };
    const Column_Measures measures = measure(rows.size(), row_at);
    std::vector<std::string> lines;
    lines.reserve(rows.size());
    std::string line; // grows to the longest line once; each line is copied out at its own size
    std::size_t next_length = 0;
    for (const auto& row : rows) {
        line.clear();
        append_line(line, row, measures, next_length);
        lines.push_back(line);
    }
    return lines;
}

std::string aligned_text(std::span<const std::string_view> cells, std::size_t columns) {
    const std::size_t row_count = columns == 0 ? 0 : cells.size() / columns;
    const auto row_at = [&](std::size_t r) { return cells.subspan(r * columns, columns); };
    const Column_Measures measures = measure(row_count, row_at);
    std::size_t padding = 0; // the most a row can take besides its cells and line end
    for (std::size_t width : measures.widths)
        padding += width + 2;
    std::string text;
    text.reserve(measures.bytes + row_count * (padding + 1));
    std::size_t next_length = 0;
    for (std::size_t r = 0; r < row_count; ++r) {
        append_line(text, row_at(r), measures, next_length);
        text += '\n';
    }
    return text;
}

void write_lines(std::ostream& out, const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        out << line << '\n';
}

} // namespace cfg::cli
