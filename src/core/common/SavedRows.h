#pragma once

#include "core/common/Table.h"

#include <string>
#include <vector>

namespace cfg {

// Data rows of a table kept as they stood, to be put back: what undoing one change needs, without
// keeping the whole table for every change.
struct Saved_Cell {
    std::string text;
    bool has_check_box = false;
    bool checked = false;
};

struct Saved_Row {
    int row;
    std::vector<Saved_Cell> cells;
};

// The data rows (from 1) in which two tables of one size differ in a text or a check box.
std::vector<int> Differing_Rows(const Table& a, const Table& b);

std::vector<Saved_Row> Save_Rows(const Table& table, const std::vector<int>& rows);
void Restore_Rows(Table& table, const std::vector<Saved_Row>& rows);

} // namespace cfg
