#include "core/ethercat/VariableTypeCode.h"

namespace cfg::ethercat {
namespace {

const Variable_Type* find_code(std::uint8_t code) {
    for (const Variable_Type& type : Variable_Types) {
        if (type.code == code)
            return &type;
    }
    return nullptr;
}

} // namespace

Variable_Type_Code Type_Code_Of(std::string_view type) {
    for (const Variable_Type& named : Variable_Types) {
        if (named.name == type)
            return {named.code, named.size};
    }
    return {type_code::Other, 0};
}

std::uint8_t Type_Size_Of(std::uint8_t code) {
    const Variable_Type* type = find_code(code);
    return type ? type->size : 0;
}

std::string_view Type_Name_Of(std::uint8_t code) {
    const Variable_Type* type = find_code(code);
    return type ? type->name : std::string_view();
}

} // namespace cfg::ethercat
