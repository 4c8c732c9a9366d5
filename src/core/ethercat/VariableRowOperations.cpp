#include "core/ethercat/VariableRowOperations.h"

#include "core/ethercat/PositionBit.h"
#include "core/ethercat/VarType.h"
#include "core/ethercat/VariableColumns.h"

namespace cfg::ethercat {

void choose_variable_type(Table& table, bool SlaveMaster, int row, std::string type) {
    VarSetLength(table, type, row);
    table.set_text(row, VariableColumn::Type, std::move(type));
    Calc_Position_Bit(table, SlaveMaster);
}

void delete_variable_row(Table& table, bool SlaveMaster, int row, bool confirmed) {
    if (confirmed)
        Delete_Row_CB(row, table, true);
    Calc_Position_Bit(table, SlaveMaster);
}

void insert_variable_row(Table& table, int row) {
    Insert_Row_CB(row, table, true);
}

PasteResult paste_variable_row(Table& table, bool SlaveMaster, int row, bool copied,
                               const Row_Clipboard& clipboard, const ConfirmOverwrite& confirm_overwrite) {
    const PasteResult result = Paste_Row_CB(table, row, copied, clipboard, confirm_overwrite);
    // Filling a string's length anew would throw away the length that was copied.
    const std::string& type = table.text(row, VariableColumn::Type);
    if (result == PasteResult::Pasted && !is_string_type(type))
        VarSetLength(table, type, row);
    Calc_Position_Bit(table, SlaveMaster);
    return result;
}

} // namespace cfg::ethercat
