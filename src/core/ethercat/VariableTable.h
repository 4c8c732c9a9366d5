#pragma once

#include "core/common/Table.h"
#include "core/lang/LangStrings.h"

namespace cfg::ethercat {

// A variable table in the Slave To Master (SlaveMaster true) or Master To Slave column order:
// the header row and rows 1 to 256, column 1 a check-box column, every row cleared.
Table make_variable_table(bool SlaveMaster);

// Every row gets its number, a checked Enable and empty texts elsewhere.
void clear_variable_table(Table& table);

// Writes the header texts of the column order into row 0.
void set_variable_headers(Table& table, bool SlaveMaster, const Lang_Strings& texts);

// The used rows are rows 1 to this count: they end before the first row whose trimmed Type is empty.
int used_row_count(const Table& table);

// Whether the user may edit the cell: row numbers, Position and Start Bit are computed, and the
// Length of a fixed-size type follows the type.
bool is_variable_cell_editable(const Table& table, bool SlaveMaster, int row, int column);

} // namespace cfg::ethercat
