#pragma once

#include "core/report/Difference.h"

#include <string>
#include <vector>

namespace cfg::report {

struct Column_Name {
    std::string key;
    std::string name;
};

// A table's used rows as compared: the values a user enters, then where the row lands (its bytes,
// its offset), which follows from them and from the rows above.
struct Row_Shape {
    std::vector<Column_Name> entered;
    std::vector<Column_Name> place;
};

struct Row_Values {
    std::vector<std::string> entered; // one per Row_Shape::entered
    std::vector<std::string> place;   // one per Row_Shape::place
};

// Row by row: rows only in a are removed, rows only in b added; a row whose entered values differ
// changed (with its place, when that moved too), a row whose place alone differs moved.
std::vector<Difference> Compare_Rows(Diff_Area area, const Row_Shape& shape, const std::vector<Row_Values>& a,
                                     const std::vector<Row_Values>& b);

} // namespace cfg::report
