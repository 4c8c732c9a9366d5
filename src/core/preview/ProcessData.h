#pragma once

#include "core/common/Table.h"
#include "core/preview/ConverterModel.h"

#include <cstdint>
#include <string>
#include <vector>

namespace cfg::preview {

// One Slave To Master variable as the master reads it from the converter's data array.
struct Master_Variable {
    int row = 0;
    std::string Type;
    std::string Name;
    std::int64_t position = 0;
    int bit = 0;             // the bit within the byte of a "Bool"; 0 otherwise
    std::int64_t length = 0; // bytes
    bool outside_array = false;
    std::string value;               // empty when the variable lies outside the array
    std::vector<std::uint8_t> bytes; // the bytes it covers; the byte holding the bit of a "Bool"
    bool operator==(const Master_Variable&) const = default;
};

// The enabled used rows of the Slave To Master table, laid out as the variable screen lays them out,
// each read from the array at its Position by its type: "Bool" the bit at its Start Bit, the whole
// numbers and "Float32" little-endian, "String" as text up to its first zero byte, any other type as
// its bytes in hexadecimal.
std::vector<Master_Variable> Read_Master_Variables(Table slave_to_master, const Data_Array& array);

} // namespace cfg::preview
