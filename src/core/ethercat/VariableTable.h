#pragma once

#include "core/common/Table.h"

namespace cfg::ethercat {

// A variable table in the Slave To Master (SlaveMaster true) or Master To Slave column order:
// the header row and rows 1 to 256, column 1 a check-box column, every row cleared.
Table make_variable_table(bool SlaveMaster);

// Every row gets its number, a checked Enable and empty texts elsewhere.
void clear_variable_table(Table& table);
void clear_variable_row(Table& table, int row);

// The used rows are rows 1 to this count: they end before the first row whose trimmed Type is empty.
int used_row_count(const Table& table);

// The first row holding a Type below the used rows, which a save would leave out; 0 when none.
int first_row_save_would_drop(const Table& table);

// Whether the user may edit the cell: row numbers, Position and Start Bit are computed, and the
// Length of a fixed-size type follows the type.
bool is_variable_cell_editable(const Table& table, bool SlaveMaster, int row, int column);

// Whether the screen shows the cell's text: a disabled row takes no place, so its Position and
// Start Bit (0 and 0, as the file keeps them) are not shown as if it lay at byte 0.
bool is_variable_text_shown(const Table& table, bool SlaveMaster, int row, int column);

} // namespace cfg::ethercat
