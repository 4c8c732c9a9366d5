#pragma once

#include "core/common/RowOperations.h"
#include "core/common/Table.h"

#include <string>

namespace cfg::ethercat {

// The variable screen's own steps around the shared row operations: what each edit does to the
// Length cell and to the layout. SlaveMaster true: the table has the Slave To Master column order.

// A type chosen in the Type column: the row's Length follows it and the layout is recomputed.
void choose_variable_type(Table& table, bool SlaveMaster, int row, std::string type);

// After the delete question: on yes the row goes (the emptied last row comes enabled); the layout
// is recomputed whatever the answer.
void delete_variable_row(Table& table, bool SlaveMaster, int row, bool confirmed);

// An empty, enabled row at the given place. The layout is not recomputed: the row's empty Type
// ends the used rows.
void insert_variable_row(Table& table, int row);

// Pastes the clipboard. A pasted row of a fixed-size type gets that type's length; a pasted string
// keeps the length it was copied with. The layout is recomputed whatever the outcome.
PasteResult paste_variable_row(Table& table, bool SlaveMaster, int row, bool copied,
                               const Row_Clipboard& clipboard, const ConfirmOverwrite& confirm_overwrite);

} // namespace cfg::ethercat
