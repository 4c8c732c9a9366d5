#include "VariableTestTable.h"

#include "core/ethercat/VariableColumns.h"
#include "core/ethercat/VariableTable.h"

namespace cfg::test {

using cfg::ethercat::VariableColumn;

Table variable_table(bool SlaveMaster, const std::vector<Variable_Row>& rows) {
    Table table = ethercat::make_variable_table(SlaveMaster);
    int row = 1;
    for (const Variable_Row& variable : rows) {
        table.set_check_box(row, VariableColumn::Enable, variable.enabled);
        table.set_text(row, VariableColumn::Type, variable.type);
        table.set_text(row, VariableColumn::Length, variable.length);
        table.set_text(row, VariableColumn::Name, variable.name);
        if (SlaveMaster)
            table.set_text(row, ethercat::SlaveToMaster::InitValue, variable.init_value);
        ++row;
    }
    return table;
}

std::vector<std::string> places(const Table& table, bool SlaveMaster, int count) {
    const ethercat::Variable_Columns columns = ethercat::variable_columns(SlaveMaster);
    std::vector<std::string> result;
    for (int row = 1; row <= count; ++row)
        result.push_back(table.text(row, columns.position) + "/" + table.text(row, columns.bit_start));
    return result;
}

} // namespace cfg::test
