#pragma once

#include "core/common/ColumnDescription.h"

#include <span>

namespace cfg {

class Lang_Strings;
class Table;

// Writes the header texts into row 0 of the table.
void Set_Column_Headers(Table& table, std::span<const Column_Description> columns, const Lang_Strings& texts);

} // namespace cfg
