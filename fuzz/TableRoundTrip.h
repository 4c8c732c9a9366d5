#pragma once

#include "core/common/Table.h"

namespace cfg::fuzz {

// Whether rows first to last of the two grids hold the same texts and check boxes in every column.
bool same_rows(const Table& a, const Table& b, int first, int last);

// How many rows a save keeps of a table whose save stops at its first unused row.
template <typename RowTable> int rows_before_first_unused(const RowTable& table, int row_count) {
    int row = 0;
    while (row < row_count && table.is_used(row + 1))
        ++row;
    return row;
}

// What a round trip through a save promises for a table whose save keeps rows 1 to kept: those
// rows come back as they were, every later row as in a table read from a file without rows.
bool round_trip_holds(const Table& loaded, const Table& reloaded, const Table& empty, int kept);

} // namespace cfg::fuzz
