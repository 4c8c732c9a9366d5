#pragma once

#include <cstdint>
#include <string_view>

namespace cfg::image {

// The device's code for each variable type, with the bytes the type takes.
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

struct Variable_Type_Code {
    std::uint8_t code;
    std::uint8_t size; // 0 where the row's Length gives the size
};

// The code of a Type text, compared exactly and case-sensitively.
Variable_Type_Code Type_Code_Of(std::string_view type);

// The bytes a type code fixes; 0 for the types whose size is their Length and for unknown codes.
std::uint8_t Type_Size_Of(std::uint8_t code);

// The type name of a code, or an empty text for 0 and codes the device does not know.
std::string_view Type_Name_Of(std::uint8_t code);

} // namespace cfg::image
