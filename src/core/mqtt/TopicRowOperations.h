#pragma once

#include "core/common/RowOperations.h"
#include "core/common/Table.h"

// Copy and paste of a topic row. The topic tables hide columns in the middle of the row (IP
// Address, Input Template, OnCMD), so the first data columns of the plain tables would leave out
// OnTimer, Time(ms) and Mnemonic: a topic row is copied and pasted whole, hidden columns included,
// as delete and insert move it whole.
namespace cfg::mqtt {

// Fills the clipboard with the texts of every data column of the row, in column order.
void copy_topic_row(const Table& table, int row, Row_Clipboard& clipboard);

// Writes the clipboard into every data column of the row. Refuses without a copy of this table
// (copied off) or when the clipboard holds another number of columns; asks before overwriting a
// row in use, that is a row with a non-blank text outside its check-box columns.
PasteResult paste_topic_row(Table& table, int row, bool copied, const Row_Clipboard& clipboard,
                            const ConfirmOverwrite& confirm_overwrite);

} // namespace cfg::mqtt
