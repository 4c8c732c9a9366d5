#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cfg::ethercat {

// One process-data entry of the ESI file.
struct TEtherCAT_Rule {
    std::string DataType;
    std::int64_t Length = 0; // bits
    std::string Name;
};

struct ESI_Type {
    std::string DataType;
    std::int64_t bits = 0;
};

// The ESI data type and bit length of a row's Type (upper-cased, trimmed; any other text is a
// single "BIT"); a string's bits come from its length in bytes. The data type of a string is the
// literal "STRING(n)": its size travels in BitLen only.
ESI_Type ESI_Data_Type(std::string_view type, std::int64_t length_bytes);

} // namespace cfg::ethercat
