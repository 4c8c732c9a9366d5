#pragma once

#include "core/ethercat/VariableTypes.h"

#include <cstdint>
#include <string_view>

namespace cfg::ethercat {

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

} // namespace cfg::ethercat
