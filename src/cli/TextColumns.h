#pragma once

#include <cstddef>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cfg::cli {

// Rows of cells as lines of left-aligned columns, two blanks apart, each column as wide as its
// widest cell; a line ends with its last cell, without trailing blanks.
std::vector<std::string> aligned_columns(const std::vector<std::vector<std::string>>& rows);

// The same lines as one text, each followed by a line end, for tables of thousands of rows: the
// cells, row after row with `columns` cells each, are views of texts kept elsewhere.
std::string aligned_text(std::span<const std::string_view> cells, std::size_t columns);

// Every line followed by a line end.
void write_lines(std::ostream& out, const std::vector<std::string>& lines);

} // namespace cfg::cli
