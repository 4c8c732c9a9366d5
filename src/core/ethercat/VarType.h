#pragma once

#include "core/common/Table.h"
#include "core/ethercat/VariableTypes.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace cfg::ethercat {

// The type names the Type column offers, in the order of its list.
inline constexpr std::array<std::string_view, Variable_Types.size()> VarType = [] {
    std::array<std::string_view, Variable_Types.size()> names{};
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = Variable_Types[i].name;
    return names;
}();

// The byte size a type fixes, 0 for the string types and any text outside the list.
// Names compare exactly: "bool" is not "Bool".
int fixed_type_size(std::string_view type);

// "String" and "ByteString" (the latter only ever comes from a file) take their size from Length.
bool is_string_type(std::string_view type);

// Whether the user may type into the Length cell of a row of this type: the fixed types lock it.
bool Length_Is_Editable(std::string_view type);

// Fills the row's Length from its type: the fixed size, "10" for the string types, nothing for
// any other text.
void VarSetLength(Table& table, std::string_view type, int row);

} // namespace cfg::ethercat
