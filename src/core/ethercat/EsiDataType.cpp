#include "core/ethercat/EsiDataType.h"

#include "core/common/Text.h"

#include <array>

namespace cfg::ethercat {
namespace {

struct Fixed_Type {
    std::string_view type;
    std::string_view data_type;
    std::int64_t bits;
};

constexpr std::array<Fixed_Type, 8> Fixed_Types{{
    {"BOOL", "BIT", 1},
    {"INT8", "SINT", 8},
    {"INT16", "INT", 16},
    {"INT32", "DINT", 32},
    {"UINT8", "USINT", 8},
    {"UINT16", "UINT", 16},
    {"UINT32", "UDINT", 32},
    {"FLOAT32", "REAL", 32},
}};

} // namespace

ESI_Type ESI_Data_Type(std::string_view type, std::int64_t length_bytes) {
    const std::string key = upper_ascii(trimmed(type));
    if (key == "STRING")
        return {"STRING(n)", length_bytes * 8};
    for (const Fixed_Type& fixed : Fixed_Types) {
        if (key == fixed.type)
            return {std::string(fixed.data_type), fixed.bits};
    }
    return {"BIT", 1};
}

} // namespace cfg::ethercat
