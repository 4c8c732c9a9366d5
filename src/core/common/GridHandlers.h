#pragma once

#include "core/common/Table.h"

namespace cfg {

struct GridCursor {
    int row = 0;
    int column = 0;
};

constexpr int Enter_Key = 13;

// Key press in any table. With the option on, Enter moves the cursor one visible column right,
// or to the first visible data column of the next row (row 1 after the last row), and is consumed
// so it neither starts nor ends editing. Returns whether the key was consumed.
bool Grid_Enter_Jump(const Table& table, GridCursor& cursor, int key, bool enable_jump_field_tables);

// Double click on a cell: whether the clicked column is to be sized to its widest content
// (only a header cell, only with the option on). The width itself is the view's to measure.
bool Grid_Header_DblClick(int row, bool double_click_auto_size);

} // namespace cfg
