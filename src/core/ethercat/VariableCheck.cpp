#include "core/ethercat/VariableCheck.h"

#include "core/ethercat/InitValue.h"
#include "core/ethercat/LengthText.h"
#include "core/ethercat/VarType.h"
#include "core/ethercat/VariableColumns.h"
#include "core/ethercat/VariableTable.h"
#include "core/ethercat/VariableTypeCode.h"
#include "core/lang/EtherCATTexts.h"

#include <optional>

namespace cfg::ethercat {
namespace {

// The text of the rule an enabled used row breaks, if any. The rules ask the type table and the
// initial-value reader the image compiler uses, so that they accept exactly what it stores.
std::optional<int> broken_rule(const Table& table, int row, int init_value_column) {
    const std::string& type = table.text(row, VariableColumn::Type);
    if (is_string_type(type) && !is_byte_length(table.text(row, VariableColumn::Length)))
        return ethercat_text::String_Length_Invalid;
    if (init_value_column >= 0 && Type_Code_Of(type).code == type_code::Float32 &&
        !Is_Float32_Init_Value(table.text(row, init_value_column)))
        return ethercat_text::Float32_Init_Value_Invalid;
    return std::nullopt;
}

} // namespace

Variable_Check_Result Controllo_dati(const Table& table, const Lang_Strings& texts) {
    // Only the Slave To Master order has an initial value.
    const int init_value_column = variable_columns(table.column_count() == SlaveToMaster::Count).init_value;
    const int used = used_row_count(table);
    for (int row = 1; row <= used; ++row) {
        if (!table.is_checked(row, VariableColumn::Enable))
            continue;
        if (const std::optional<int> text = broken_rule(table, row, init_value_column))
            return {row, *text, texts[ethercat_text::Error_Row] + std::to_string(row) + texts[*text]};
    }
    return {};
}

} // namespace cfg::ethercat
