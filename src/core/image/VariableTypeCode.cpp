#include "core/image/VariableTypeCode.h"

#include <array>

namespace cfg::image {
namespace {

struct Named_Type {
    std::string_view name;
    Variable_Type_Code type;
};

constexpr std::array<Named_Type, 9> named_types{{
    {"Bool", {type_code::Bool, 1}},
    {"Int8", {type_code::Int8, 1}},
    {"Int16", {type_code::Int16, 2}},
    {"Int32", {type_code::Int32, 4}},
    {"UInt8", {type_code::UInt8, 1}},
    {"UInt16", {type_code::UInt16, 2}},
    {"UInt32", {type_code::UInt32, 4}},
    {"Float32", {type_code::Float32, 4}},
    {"String", {type_code::String, 0}},
}};

const Named_Type* find_code(std::uint8_t code) {
    for (const Named_Type& named : named_types) {
        if (named.type.code == code)
            return &named;
    }
    return nullptr;
}

} // namespace

Variable_Type_Code Type_Code_Of(std::string_view type) {
    for (const Named_Type& named : named_types) {
        if (named.name == type)
            return named.type;
    }
    return {type_code::Other, 0};
}

std::uint8_t Type_Size_Of(std::uint8_t code) {
    const Named_Type* named = find_code(code);
    return named ? named->type.size : 0;
}

std::string_view Type_Name_Of(std::uint8_t code) {
    const Named_Type* named = find_code(code);
    return named ? named->name : std::string_view();
}

} // namespace cfg::image
