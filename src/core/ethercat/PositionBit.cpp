#include "core/ethercat/PositionBit.h"

#include "core/ethercat/LengthText.h"
#include "core/ethercat/ProcessImagePacker.h"
#include "core/ethercat/VarType.h"
#include "core/ethercat/VariableColumns.h"
#include "core/ethercat/VariableTable.h"

#include <string>

namespace cfg::ethercat {

std::int64_t Calc_Position_Bit(Table& table, bool SlaveMaster) {
    const Variable_Columns columns = variable_columns(SlaveMaster);
    ProcessImagePacker packer;
    const int used = used_row_count(table);
    for (int row = 1; row <= used; ++row) {
        std::int64_t position = 0;
        int bit = 0;
        if (table.is_checked(row, VariableColumn::Enable)) {
            const std::string& type = table.text(row, VariableColumn::Type);
            if (type == "Bool") {
                const ProcessImagePacker::Place place = packer.add_bit();
                position = place.position;
                bit = place.bit;
            } else {
                const int fixed = fixed_type_size(type);
                position = packer.add_bytes(
                    fixed > 0 ? fixed : decimal_length(table.text(row, VariableColumn::Length)));
            }
        }
        table.set_text(row, columns.position, std::to_string(position));
        table.set_text(row, columns.bit_start, std::to_string(bit));
    }
    return packer.size();
}

} // namespace cfg::ethercat
