#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace cfg::cli {

// Rows of cells as lines of left-aligned columns, two blanks apart, each column as wide as its
// widest cell; a line ends with its last cell, without trailing blanks.
std::vector<std::string> aligned_columns(const std::vector<std::vector<std::string>>& rows);

// Every line followed by a line end.
void write_lines(std::ostream& out, const std::vector<std::string>& lines);

} // namespace cfg::cli
