#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace cfg::ethercat {

// The device's code for each variable type.
namespace type_code {
inline constexpr std::uint8_t Other = 0; // "ByteString" and any unknown type: the size is Length
inline constexpr std::uint8_t Bool = 1;
inline constexpr std::uint8_t Int8 = 2;
inline constexpr std::uint8_t Int16 = 3;
inline constexpr std::uint8_t Int32 = 4;
inline constexpr std::uint8_t UInt8 = 5;
inline constexpr std::uint8_t UInt16 = 6;
inline constexpr std::uint8_t UInt32 = 7;
inline constexpr std::uint8_t Float32 = 8;
inline constexpr std::uint8_t String = 9; // the size is Length
} // namespace type_code

// What a type the Type column offers stands for: the device's code, the bytes it fixes (0 where
// the row's Length gives the size), and the data type and bit length of its ESI entry (0 bits
// where the Length gives them).
struct Variable_Type {
    std::string_view name;
    std::uint8_t code;
    std::uint8_t size;
    std::string_view esi_data_type;
    int esi_bits;
};

// Every type, in the order of the Type column's list; the screen, the image compiler, the decoder
// and the ESI generator all read it here.
inline constexpr std::array<Variable_Type, 9> Variable_Types{{
    {"Bool", type_code::Bool, 1, "BIT", 1},
    {"Int8", type_code::Int8, 1, "SINT", 8},
    {"Int16", type_code::Int16, 2, "INT", 16},
    {"Int32", type_code::Int32, 4, "DINT", 32},
    {"UInt8", type_code::UInt8, 1, "USINT", 8},
    {"UInt16", type_code::UInt16, 2, "UINT", 16},
    {"UInt32", type_code::UInt32, 4, "UDINT", 32},
    {"Float32", type_code::Float32, 4, "REAL", 32},
    {"String", type_code::String, 0, "STRING(n)", 0},
}};

} // namespace cfg::ethercat
