#include "core/ethercat/PositionBit.h"

#include "core/ethercat/ProcessImage.h"
#include "core/ethercat/VariableColumns.h"

#include <string>

namespace cfg::ethercat {

std::int64_t Calc_Position_Bit(Table& table, bool SlaveMaster) {
    const Variable_Columns columns = variable_columns(SlaveMaster);
    const Process_Image image = Process_Image_Layout(table);
    for (const Variable_Place& place : image.places) {
        table.set_text(place.row, columns.position, std::to_string(place.position));
        table.set_text(place.row, columns.bit_start, std::to_string(place.bit));
    }
    return image.size;
}

} // namespace cfg::ethercat
