#include "core/ethercat/VariableTable.h"

#include "core/common/Text.h"
#include "core/ethercat/VarType.h"
#include "core/ethercat/VariableColumns.h"

#include <string>

namespace cfg::ethercat {

Table make_variable_table(bool SlaveMaster) {
    Table table(Variable_Rows + 1, variable_columns(SlaveMaster).count);
    table.set_check_box_editor_column(VariableColumn::Enable, true);
    clear_variable_table(table);
    return table;
}

void clear_variable_table(Table& table) {
    for (int row = 1; row < table.row_count(); ++row)
        clear_variable_row(table, row);
}

void clear_variable_row(Table& table, int row) {
    table.set_text(row, VariableColumn::Number, std::to_string(row));
    table.set_check_box(row, VariableColumn::Enable, true);
    for (int column = VariableColumn::Type; column < table.column_count(); ++column)
        table.set_text(row, column, "");
}

int used_row_count(const Table& table) {
    int row = 1;
    while (row < table.row_count() && !trimmed(table.text(row, VariableColumn::Type)).empty())
        ++row;
    return row - 1;
}

int first_row_save_would_drop(const Table& table) {
    for (int row = used_row_count(table) + 2; row < table.row_count(); ++row)
        if (!trimmed(table.text(row, VariableColumn::Type)).empty())
            return row;
    return 0;
}

bool is_variable_cell_editable(const Table& table, bool SlaveMaster, int row, int column) {
    const Variable_Columns columns = variable_columns(SlaveMaster);
    if (row < 1 || column == VariableColumn::Number || column == columns.position ||
        column == columns.bit_start)
        return false;
    if (column == VariableColumn::Length)
        return Length_Is_Editable(table.text(row, VariableColumn::Type));
    return true;
}

bool is_variable_text_shown(const Table& table, bool SlaveMaster, int row, int column) {
    const Variable_Columns columns = variable_columns(SlaveMaster);
    if (column != columns.position && column != columns.bit_start)
        return true;
    return row < 1 || table.is_checked(row, VariableColumn::Enable);
}

} // namespace cfg::ethercat
