#include "core/ethercat/VariableCheck.h"

#include "core/ethercat/LengthText.h"
#include "core/ethercat/VarType.h"
#include "core/ethercat/VariableColumns.h"
#include "core/ethercat/VariableTable.h"

namespace cfg::ethercat {
Variable_Check_Result Controllo_dati(const Table& table, const Lang_Strings& texts) {
    const int used = used_row_count(table);
    for (int row = 1; row <= used; ++row) {
        if (!table.is_checked(row, VariableColumn::Enable) ||
            !is_string_type(table.text(row, VariableColumn::Type)))
            continue;
        if (!is_byte_length(table.text(row, VariableColumn::Length)))
            return {row, Text_String_Length,
                    texts[Text_Error_Row] + std::to_string(row) + texts[Text_String_Length]};
    }
    return {};
}

} // namespace cfg::ethercat
