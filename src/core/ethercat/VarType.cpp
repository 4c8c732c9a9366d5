#include "core/ethercat/VarType.h"

#include "core/ethercat/VariableColumns.h"

#include <string>

namespace cfg::ethercat {

int fixed_type_size(std::string_view type) {
    for (const Variable_Type& named : Variable_Types) {
        if (named.name == type)
            return named.size;
    }
    return 0;
}

bool is_string_type(std::string_view type) {
    return type == "String" || type == "ByteString";
}

bool Length_Is_Editable(std::string_view type) {
    return fixed_type_size(type) == 0;
}

void VarSetLength(Table& table, std::string_view type, int row) {
    if (const int size = fixed_type_size(type); size > 0)
        table.set_text(row, VariableColumn::Length, std::to_string(size));
    else if (is_string_type(type))
        table.set_text(row, VariableColumn::Length, "10");
}

} // namespace cfg::ethercat
