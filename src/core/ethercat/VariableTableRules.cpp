#include "core/ethercat/VariableTableRules.h"

#include "core/ethercat/PositionBit.h"
#include "core/ethercat/VarType.h"
#include "core/ethercat/VariableColumnDescriptions.h"
#include "core/ethercat/VariableColumns.h"
#include "core/ethercat/VariableTable.h"

namespace cfg::ethercat {

Table_Rules Variable_Table_Rules(bool SlaveMaster) {
    const std::span<const Column_Description> columns = Variable_Column_Descriptions(SlaveMaster);
    return {
        columns,
        clear_variable_row,
        [SlaveMaster](const Table& table, int row, int column) {
            return is_variable_cell_editable(table, SlaveMaster, row, column);
        },
        Described_Choices(columns),
        [SlaveMaster](Table& table) {
            for (int row = 1; row < table.row_count(); ++row) {
                const std::string& type = table.text(row, VariableColumn::Type);
                if (!Length_Is_Editable(type))
                    VarSetLength(table, type, row);
            }
            Calc_Position_Bit(table, SlaveMaster);
        },
    };
}

} // namespace cfg::ethercat
