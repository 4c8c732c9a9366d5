#include "core/preview/ProcessData.h"

#include "core/ethercat/LengthText.h"
#include "core/ethercat/PositionBit.h"
#include "core/ethercat/VarType.h"
#include "core/ethercat/VariableColumns.h"
#include "core/ethercat/VariableTable.h"
#include "core/preview/ByteText.h"

#include <algorithm>
#include <bit>
#include <charconv>

namespace cfg::preview {
namespace {

using Column = ethercat::SlaveToMaster;

std::int64_t cell_number(const std::string& text) {
    std::int64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::uint64_t little_endian_value(const std::vector<std::uint8_t>& bytes) {
    std::uint64_t value = 0;
    for (std::size_t i = bytes.size(); i-- > 0;)
        value = value << 8 | bytes[i];
    return value;
}

std::string value_text(const std::string& type, const std::vector<std::uint8_t>& bytes, int bit) {
    const std::uint64_t value = little_endian_value(bytes);
    if (type == "Bool")
        return std::to_string(value >> bit & 1);
    if (type == "Int8")
        return std::to_string(static_cast<std::int8_t>(value));
    if (type == "Int16")
        return std::to_string(static_cast<std::int16_t>(value));
    if (type == "Int32")
        return std::to_string(static_cast<std::int32_t>(value));
    if (type == "UInt8" || type == "UInt16" || type == "UInt32")
        return std::to_string(value);
    if (type == "Float32")
        return Single_Text(std::bit_cast<float>(static_cast<std::uint32_t>(value)));
    if (type == "String")
        return Printable_Text(bytes);
    return Hex_Bytes(bytes);
}

} // namespace

std::vector<Master_Variable> Read_Master_Variables(Table slave_to_master, const Data_Array& array) {
    ethercat::Calc_Position_Bit(slave_to_master, true);
    std::vector<Master_Variable> variables;
    const int used = ethercat::used_row_count(slave_to_master);
    for (int row = 1; row <= used; ++row) {
        if (!slave_to_master.is_checked(row, Column::Enable))
            continue;
        Master_Variable variable;
        variable.row = row;
        variable.Type = slave_to_master.text(row, Column::Type);
        variable.Name = slave_to_master.text(row, Column::Name);
        variable.position = cell_number(slave_to_master.text(row, Column::Position));
        variable.bit = static_cast<int>(cell_number(slave_to_master.text(row, Column::BitStart)));
        const int fixed = ethercat::fixed_type_size(variable.Type);
        variable.length = std::max<std::int64_t>(
            0, fixed > 0 ? fixed : ethercat::decimal_length(slave_to_master.text(row, Column::Length)));
        const std::int64_t end = variable.position + variable.length;
        variable.outside_array = variable.position < 0 || end > static_cast<std::int64_t>(array.size());
        if (!variable.outside_array) {
            variable.bytes.assign(array.begin() + variable.position, array.begin() + end);
            variable.value = value_text(variable.Type, variable.bytes, variable.bit);
        }
        variables.push_back(std::move(variable));
    }
    return variables;
}

} // namespace cfg::preview
